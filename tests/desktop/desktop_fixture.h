#pragma once
// The desktop front end started as orvel-sim starts it, with plain panel pictures (dark at rest, light
// where lit) and message boxes answered by the test. The home page records the key and timing
// messages it receives, and assertion reports are collected so that a test can fail on them.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "desktop/desktopapp.h"
#include "message/message.h"

constexpr std::uint8_t REST_GREY = 0x20;
constexpr std::uint8_t LIT_GREY = 0xE0;
constexpr std::uint32_t REST_RGB = REST_GREY * 0x010101U;
constexpr std::uint32_t LIT_RGB = LIT_GREY * 0x010101U;

struct AskedBox {
    std::string Text;
    std::string Title;
    HostBox Kind;
};

struct HomeMessage {
    std::uint32_t Id;
    std::uint32_t Param;
    std::uint32_t At;  // TimeNow when it arrived
};

class DesktopFixture {
public:
    // Starts the front end with the recorder's own argument, if any.
    explicit DesktopFixture(const char* recorderArgument = nullptr);
    ~DesktopFixture();

    DesktopApp& App() { return *app_; }
    PanelView& Panel() { return app_->Main().Panel(); }
    // The pixel the panel view shows now, as 0xRRGGBB.
    std::uint32_t PanelPixel(int x, int y);
    // The key messages the home page received, as (id, key) pairs, in order.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> Keys() const;
    std::vector<HomeMessage> Received(std::uint32_t id) const;

    std::deque<bool> Answers;  // for the next message boxes; OK when empty
    std::vector<AskedBox> Asked;

private:
    std::unique_ptr<DesktopApp> app_;
    MsgHandler homeHandler_;
};

RgbPicture GreyPicture(int width, int height, std::uint8_t grey);
// Every assertion report since the last call, as "module:line: expression".
std::vector<std::string> TakeAssertReports();
void CollectAssertReports();
