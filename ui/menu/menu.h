#pragma once
// What the pages of the menu tree share: option tables shown by more than one row, the row
// conditions of the recorder models, the track matrices and the pages one branch opens in another.
#include <cstdint>

#include "message/message.h"
#include "ui/uivalues.h"
#include "uicore/uimain.h"
#include "uicore/uimatrix.h"
#include "uicore/uipagekit.h"

extern const UIOptions<2> OffOnOptions;
extern const UIOptions<2> CellOptions;  // " ", "X": a matrix cell on or off
extern const UIOptions<6> SampleRateOptions;
extern const UIOptions<3> MirrorModeOptions;

// Values shown on rows of more than one page.
extern UISetting TransportKeys;  // "TRANSPORT KEYS " of "MODE" and of "ENG SETUP"
extern UIValue Prerecord;        // "PRERECORD " of "MODE", "PRE:" of "META DATA"
extern UIValue TcFrameRate;      // "TC FRAME RATE " of "TIME CODE SETUP", "TC:" of "META DATA"

// Row conditions: shown only while the model has (or lacks) the feature, or has all of them.
inline std::uint32_t AnswerVisible(Message* msg, bool visible)
{
    if (msg->Id != MSG_IS_VISIBLE)
        return 0;
    msg->Param = visible ? 1 : 0;
    return 1;
}

template <std::uint32_t OrvelState::*Feature, bool Wanted = true>
std::uint32_t IfFeature(void*, Message* msg)
{
    return AnswerVisible(msg, (Orvel.*Feature != 0) == Wanted);
}

template <std::uint32_t OrvelState::*... Features>
std::uint32_t IfFeatures(void*, Message* msg)
{
    return AnswerVisible(msg, ((Orvel.*Features != 0) && ...));
}

constexpr MsgHandler IfLite = IfFeature<&OrvelState::FeatLite>;
constexpr MsgHandler IfNotLite = IfFeature<&OrvelState::FeatLite, false>;
constexpr MsgHandler IfKavlin = IfFeature<&OrvelState::FeatKavlin>;
constexpr MsgHandler IfMirror = IfFeature<&OrvelState::FeatMirror>;
constexpr MsgHandler IfDigital = IfFeature<&OrvelState::FeatDigital>;
constexpr MsgHandler IfNotDigital = IfFeature<&OrvelState::FeatDigital, false>;
constexpr MsgHandler IfMp3 = IfFeature<&OrvelState::FeatMp3>;
constexpr MsgHandler IfFactory = IfFeature<&OrvelState::FeatFactory>;
constexpr MsgHandler IfKavlinDigital = IfFeatures<&OrvelState::FeatKavlin, &OrvelState::FeatDigital>;

// A list whose rows the device model's hook answers first.
template <MsgHandler Hook>
std::uint32_t HookedListHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = Hook(self, msg))
        return result;
    return UIListHandler(self, msg);
}

// A matrix with one cell per track: dealt anew from the model's track count on every refresh.
std::uint32_t TrackMatrixHandler(void* self, Message* msg);

// A matrix beside others on its page: the cursor moves to the nearest cell on screen.
template <MsgHandler Matrix = UIMatrixHandler>
std::uint32_t SideBySideMatrix(void* self, Message* msg)
{
    if (UIMatrixNavigateHandler(self, msg))
        return 1;
    return Matrix(self, msg);
}

// Pages on which key 136 goes to the home screen.
std::uint32_t MirrorKeyHomeHandler(void* self, Message* msg);

// The pages "MAIN MENU" opens.
extern UIPage RecordRoutingPage;
extern UIPage MirrorEnablesPage;
extern UIPage FaderAssignPage;
extern UIPage ExtFadersPage;
extern UIPage MemoryPage;
extern UIPage AboutOrvelPage;
extern UIPage ModePage;
extern UIPage KavlinSetupPage;

// Pages further down that keys and other branches open.
extern UIPage PrimaryCardPage;     // "PRIMARY CF"
extern UIPage InputConfigurePage;  // "INPUT CONFIGURE", from "MODE" and "KAVLIN SETUP"
