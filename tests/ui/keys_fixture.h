#pragma once
// The recorder started on its home page, with the transport requests the keys make collected instead of
// acted on, and a page that takes the transport keys as the home page and the transport pages do.
#include <cstdint>
#include <vector>

#include "orvel/orvel.h"
#include "ui/ui.h"
#include "uicore/ui_fixture.h"

class KeysTest : public UITest {
protected:
    void SetUp() override;
    void TearDown() override;

    static std::vector<std::uint32_t>& Requests();
    // Shows the page that passes every message to the transport keys.
    static void ShowTransportPage();
    static UIPage* TransportPage();
};
