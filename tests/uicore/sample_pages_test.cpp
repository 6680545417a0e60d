// Screenshot tests of pages built from the control kinds; the goldens are in tests/golden/uicore/.
#include <gtest/gtest.h>

#include "samplepages.h"
#include "support/golden.h"
#include "ui_fixture.h"

namespace {

class SamplePages : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        MsgRegister(UIMainHandler, 0);
        ShowSettingsSample();
    }
};

}  // namespace

TEST_F(SamplePages, SettingsPageWithFocusedField)
{
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/settings_page_field_focused"));
}

TEST_F(SamplePages, SettingsPageWithFocusedButton)
{
    while (UIFocusNext(UICurrentPage, true)) {
    }
    EXPECT_TRUE(LcdMatchesGolden(&LcdCanvas, "uicore/settings_page_button_focused"));
}
