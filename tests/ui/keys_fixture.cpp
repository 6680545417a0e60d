#include "ui/keys_fixture.h"

#include "ui/ui.h"
#include "uicore/uikeys.h"

namespace {

std::vector<std::uint32_t> Collected;

void Collect(std::uint32_t cmd)
{
    Collected.push_back(cmd);
}

std::uint32_t TransportPageHandler(void* self, Message* msg)
{
    return TransportKeysHandler(static_cast<UIPage*>(self), msg);
}

UIPage TransportKeysPage = {.Handler = TransportPageHandler,
                            .Flags = 0,
                            .Parent = nullptr,
                            .ControlIndex = -1,
                            .NControls = 0,
                            .Controls = nullptr};

}  // namespace

void KeysTest::SetUp()
{
    UITest::SetUp();
    const char* argv[] = {"orvel-sim"};
    OrvelPowerOn(1, argv, "orvel-sim");
    StartUserInterface();
    Collected.clear();
    TransportSetSink(Collect);
}

void KeysTest::TearDown()
{
    TransportSetSink(nullptr);
    UITest::TearDown();
}

std::vector<std::uint32_t>& KeysTest::Requests()
{
    return Collected;
}

void KeysTest::ShowTransportPage()
{
    UIGotoPage(&TransportKeysPage);
}

UIPage* KeysTest::TransportPage()
{
    return &TransportKeysPage;
}
