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
    if (msg->Id == MSG_VALUE_GET) {
        msg->Param = s->Charge;
        return 1;
    }
    if (msg->Id == MSG_TEXT_GET && s->Text) {
        std::strcpy(MsgParamPtr<char>(msg), s->Text);
        return 1;
    }
    return 0;
}

}  // namespace

TEST(Battery, ThresholdsRiseFromOneThenByFives)
{
    EXPECT_EQ(BatteryImageTbl.size(), 21U);
    EXPECT_EQ(BatteryImageTbl[0].Threshold, 1U);
    for (std::size_t k = 1; k < BatteryImageTbl.size(); ++k)
        EXPECT_EQ(BatteryImageTbl[k].Threshold, 5 * k);
}

TEST(Battery, PictureChoiceByCharge)
{
    EXPECT_EQ(BatteryImage(0), &BatteryImages[0]);
    EXPECT_EQ(BatteryImage(1), &BatteryImages[0]);
    EXPECT_EQ(BatteryImage(2), &BatteryImages[1]);
    EXPECT_EQ(BatteryImage(65), &BatteryImages[13]);
    EXPECT_EQ(BatteryImage(66), &BatteryImages[14]);
    EXPECT_EQ(BatteryImage(96), &BatteryImages[20]);
    EXPECT_EQ(BatteryImage(250), &BatteryImages[20]);
}

TEST_F(UITest, BatteryControlDrawsTheChargeAndTextItsSettingAnswers)
{
    Supply supply = {.Handler = SupplyHandler, .Charge = 65, .Text = "E 10.4V"};
    UIBattery battery = {.Control = {.Handler = UIBatteryHandler, .Flags = 0, .X = 130, .Y = 30}, .Setting = &supply};
    LcdCanvas.Clear(&LcdCanvas);
    EXPECT_EQ(MsgSend(&battery, MSG_DRAW), 1U);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) { BatteryDraw(c, 130, 30, 65, "E 10.4V"); }));
    EXPECT_TRUE(buffer == Expected([](Canvas* c) {
        c->DrawImage(c, 130, 30, &BatteryImages[13], 0);
        DrawText(c, 137, 29, 0, 0, 0xCE59, "E 10.4V");
    }));
    EXPECT_EQ(MsgSend(&battery, MSG_REFRESH), 0U);
}

TEST_F(UITest, BatteryWithoutTextDrawsOnlyThePicture)
{
    Supply supply = {.Handler = SupplyHandler, .Charge = 250, .Text = nullptr};
    UIBattery battery = {.Control = {.Handler = UIBatteryHandler, .Flags = 0, .X = 0, .Y = 0}, .Setting = &supply};
    LcdCanvas.Clear(&LcdCanvas);
    MsgSend(&battery, MSG_DRAW);
    EXPECT_TRUE(buffer == Expected([](Canvas* c) { c->DrawImage(c, 0, 0, &BatteryImages[20], 0); }));
}
