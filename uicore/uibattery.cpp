#include "uicore/uibattery.h"

#include <algorithm>
#include <array>

#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "uicore/uicontrols.h"

namespace {

constexpr Colour BatteryTextColour = 0xCE59;

}  // namespace

namespace {

// 1 percent, then every multiple of 5.
constexpr std::array<BatteryPicture, BATTERY_IMAGE_COUNT> BatteryPictures()
{
    std::array<BatteryPicture, BATTERY_IMAGE_COUNT> pictures{};
    for (std::uint32_t k = 0; k < pictures.size(); ++k)
        pictures[k] = {.Threshold = k == 0 ? 1 : 5 * k, .Image = &BatteryImages[k]};
    return pictures;
}

}  // namespace

const std::array<BatteryPicture, BATTERY_IMAGE_COUNT> BatteryImageTbl = BatteryPictures();

const Image* BatteryImage(std::uint32_t percent)
{
    percent = std::min<std::uint32_t>(percent, 100);
    for (const BatteryPicture& picture : BatteryImageTbl)
        if (picture.Threshold >= percent)
            return picture.Image;
    ASSERT(0);
    return BatteryImageTbl[0].Image;
}

void BatteryDraw(Canvas* c, std::int32_t x, std::int32_t y, std::uint32_t percent, const char* text)
{
    c->DrawImage(c, x, y, BatteryImage(percent), 0);
    DrawText(c, x + 7, y - 1, UI_ALIGN_LEFT, 0, BatteryTextColour, text);
}

std::uint32_t UIBatteryHandler(void* self, Message* msg)
{
    if (msg->Id != MSG_DRAW)
        return 0;
    auto* p = static_cast<UIBattery*>(self);
    const auto charge = static_cast<std::uint32_t>(MsgQuery(p->Setting, MSG_VALUE_GET, 0));
    char text[MAX_UI_TEXT] = "";
    MsgSendParam(p->Setting, MSG_TEXT_GET, MsgParamOf(text));
    BatteryDraw(&LcdCanvas, p->Control.X, p->Control.Y, charge, text);
    return 1;
}
