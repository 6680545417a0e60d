#include "ui_fixture.h"

#include <algorithm>
#include <iterator>

#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uitimer.h"

static std::uint32_t TicksSince100ms;

void UITest::SetUp()
{
    Names.clear();
    Answers.clear();
    Messages.clear();
    FlushCount = 0;
    TicksSince100ms = 0;
    UIReset();
    VirtualClockSet(100000);
    LcdCanvasInit(&LcdCanvas, buffer.data(), LCD_WIDTH, LCD_HEIGHT);
    LcdSetDisplay([](Canvas*) { ++FlushCount; });
}

void UITest::TearDown()
{
    LcdSetDisplay(nullptr);
    UIReset();
}

std::uint32_t UITest::ProbeHandler(void* self, Message* msg)
{
    const auto name = Names.find(self);
    Messages.push_back({name != Names.end() ? name->second : "?", msg->Id});
    const auto answer = Answers.find({self, msg->Id});
    if (answer == Answers.end())
        return 0;
    if (answer->second.SetsParam)
        msg->Param = answer->second.Param;
    return answer->second.Result;
}

std::vector<Received> UITest::Log(std::uint32_t id)
{
    std::vector<Received> selected;
    std::ranges::copy_if(Messages, std::back_inserter(selected), [id](const Received& r) { return r.Id == id; });
    return selected;
}

UITest::Picture UITest::Expected(const std::function<void(Canvas*)>& draw)
{
    Picture picture{};
    Canvas reference{};
    LcdCanvasInit(&reference, picture.data(), LCD_WIDTH, LCD_HEIGHT);
    reference.Clear(&reference);
    draw(&reference);
    return picture;
}

void UITest::Advance(std::uint32_t ms)
{
    for (std::uint32_t elapsed = 10; elapsed <= ms; elapsed += 10) {
        VirtualClockAdvance(10);
        MsgBroadcast(MSG_TIMER_10MS);
        if (++TicksSince100ms == 10) {
            TicksSince100ms = 0;
            MsgBroadcast(MSG_TIMER_100MS);
            MsgBroadcast(MSG_TIMER_100MS_2);
        }
    }
}
