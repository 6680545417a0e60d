#include <gtest/gtest.h>

#include <string>

#include "home_fixture.h"
#include "orvel/orvelplay.h"
#include "ui/uihome.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"

namespace {

class TransportDisplay : public HomeTest {
protected:
    static std::uint32_t Send(MsgHandler handler, std::uint32_t id, MsgParam param)
    {
        Message msg{.Id = id, .Param = param};
        return handler(nullptr, &msg);
    }
};

TEST_F(TransportDisplay, PlaybackKeysStopAndScrubAndConsumeEveryRelease)
{
    Orvel.Transport = 1;
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_UP, ']'), 1U);
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_UP, ']'), 1U);
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_UP, '['), 1U);
    EXPECT_EQ(Orvel.Play.Scrub, 1);
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_UP, KEY_SETUP), 1U);
    EXPECT_EQ(Orvel.Transport, 1);
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_UP, KEY_KLIN), 1U);
    EXPECT_EQ(Orvel.Transport, 0);  // KLIN requests stop
    EXPECT_EQ(Send(PlaybackDisplayHandler, MSG_KEY_DOWN, KEY_KLIN), 0U);
}

TEST_F(TransportDisplay, AuditionIgnoresTheTransportKeys)
{
    Orvel.Transport = 1;
    EXPECT_EQ(Send(AuditionDisplayHandler, MSG_KEY_UP, KEY_KLIN), 1U);
    EXPECT_EQ(Orvel.Transport, 1);
}

TEST_F(TransportDisplay, EachDisplayShowsOneMeterTitledWithTheSegmentsTracks)
{
    Orvel.Play.NTracks = 7;
    Send(PlaybackDisplayHandler, MSG_REFRESH, 0);
    EXPECT_EQ(OrvelMeters.NMeters, 1);
    EXPECT_EQ(OrvelMeters.Colour[0], 0xF81F);
    EXPECT_EQ(std::string(OrvelMeters.Name[0]), std::to_string(Orvel.Play.NTracks) + " TRACKS");
    Send(AuditionDisplayHandler, MSG_REFRESH, 0);
    EXPECT_EQ(std::string(OrvelMeters.Name[0]), "(" + std::to_string(Orvel.Play.NTracks) + " TRACKS)");
}

TEST_F(TransportDisplay, ValuesAreTypedIntoTheTemplateEditor)
{
    Message msg{.Id = MSG_EDITOR_GET, .Param = 0};
    EXPECT_EQ(PlaybackDisplayHandler(nullptr, &msg), 1U);
    EXPECT_EQ(MsgParamPtr<UINumberEditorRec>(&msg), &UINumberEditor);
}

}  // namespace
