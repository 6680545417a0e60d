#pragma once
// The started user interface on the home screen of a freshly initialised recorder.
#include "common/rand.h"
#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "orvel/orvelmeters.h"
#include "ui/ui.h"
#include "ui/uihome.h"
#include "uicore/ui_fixture.h"
#include "uicore/uimeter.h"
#include "uicore/uiutils.h"

class HomeTest : public UITest {
protected:
    void SetUp() override
    {
        UITest::SetUp();
        const char* argv[] = {"orvel-sim"};
        Rand15Seed(7);
        OrvelPowerOn(1, argv, "orvel-sim");
        StartUserInterface();
    }

    // Shows variant v of bank 0 at n tracks, as the recorder does after a variant change.
    static void ShowVariant(std::uint8_t tracks, std::uint8_t v)
    {
        OrvelSetNTracks(tracks);
        Orvel.Settings.HomePage = 0;
        Orvel.Settings.HomePageVariant[0] = v == 0 ? 8 : v - 1;
        HomeSelect(0, +1);
    }

    static void Hold(std::uint32_t key, std::uint32_t ms) { Press(key); Advance(ms); Release(key); }

    // Timecode messages as the host sends them, one frame apart: each moves the meters once.
    static void Frames(int count)
    {
        std::uint32_t tc = UITimecodeFromHMSF(10, 20, 30, 0);
        for (int i = 0; i < count; ++i) {
            tc = UITimecodeIncrement(tc, 30);
            MsgBroadcastParam(MSG_TIMECODE, tc);
        }
    }
};
