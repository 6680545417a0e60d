#include "uicore/uibattery.h"

#include <gtest/gtest.h>

#include "canvas/images.h"
#include "stored_setting.h"
#include "ui_fixture.h"
#include "uicore/uicontrols.h"

TEST_F(UITest, BatteryShowsThePictureOfTheFirstThresholdAtOrAboveTheChargeAndTheTextItsSettingAnswers)
{
    const std::pair<std::int32_t, int> chargeAndPicture[] = {{0, 0}, {1, 0}, {2, 1}, {65, 13}, {66, 14}, {250, 20}};
    for (const auto& [charge, picture] : chargeAndPicture) {
        StoredSetting supply = StoredNumber(nullptr, charge, 0, 0, nullptr, 10, "E %d.%01dV");
        UIBattery battery = {.Control = {.Handler = UIBatteryHandler, .Flags = 0, .X = 130, .Y = 30},
                             .Setting = &supply};
        LcdCanvas.Clear(&LcdCanvas);
        EXPECT_EQ(MsgSend(&battery, MSG_DRAW), 1U);
        char text[MAX_UI_TEXT] = "";
        MsgSendParam(&supply, MSG_TEXT_GET, MsgParamOf(text));
        EXPECT_TRUE(buffer == Expected([&, picture = picture](Canvas* c) {
            c->DrawImage(c, 130, 30, &BatteryImages[picture], 0);
            DrawText(c, 137, 29, 0, 0, 0xCE59, text);
        })) << charge;
    }
}
