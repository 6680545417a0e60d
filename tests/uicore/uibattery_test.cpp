#include "uicore/uibattery.h"

#include <gtest/gtest.h>

#include <cstring>

#include "canvas/images.h"
#include "ui_fixture.h"

namespace {

struct Supply {
    MsgHandler Handler;
    std::int32_t Charge;
    const char* Text;
};

std::uint32_t SupplyHandler(void* self, Message* msg)
{
    auto* s = static_cast<Supply*>(self);
    if (msg->Id == MSG_VALUE_GET)
        msg->Param = s->Charge;
    else if (msg->Id == MSG_TEXT_GET && s->Text)
        std::strcpy(MsgParamPtr<char>(msg), s->Text);
    else
        return 0;
    return 1;
}

}  // namespace

TEST_F(UITest, BatteryShowsThePictureOfTheFirstThresholdAtOrAboveTheChargeAndTheTextItsSettingAnswers)
{
    const std::pair<std::int32_t, int> chargeAndPicture[] = {{0, 0}, {1, 0}, {2, 1}, {65, 13}, {66, 14}, {250, 20}};
    for (const auto& [charge, picture] : chargeAndPicture) {
        Supply supply = {.Handler = SupplyHandler, .Charge = charge, .Text = charge == 65 ? "E 10.4V" : nullptr};
        UIBattery battery = {.Control = {.Handler = UIBatteryHandler, .Flags = 0, .X = 130, .Y = 30},
                             .Setting = &supply};
        LcdCanvas.Clear(&LcdCanvas);
        EXPECT_EQ(MsgSend(&battery, MSG_DRAW), 1U);
        EXPECT_TRUE(buffer == Expected([&](Canvas* c) {
            c->DrawImage(c, 130, 30, &BatteryImages[picture], 0);
            DrawText(c, 137, 29, 0, 0, 0xCE59, supply.Text ? supply.Text : "");
        })) << charge;
    }
}
