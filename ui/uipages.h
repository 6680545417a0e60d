#pragma once
// Pages that the home screen, the global keys and the shortcuts open. Each stands in the menu tree
// under its Parent, so that HP climbs back the way the recorder does.
#include "ui/uivalues.h"
#include "uicore/uimain.h"

extern UIPage SlatePage;           // the large running timecode (untitled)
extern UIPage MainMenuPage;        // "MAIN MENU"
extern UIPage MetaDataPage;        // "META DATA"
extern UIPage PlaybackControlPage; // "PLAYBACK CONTROL"
extern UIPage RecordEnablesPage;   // "RECORD ENABLES"
extern UIPage ModePage;            // "MODE"
extern UIPage KavlinSetupPage;     // "KAVLIN SETUP"
extern UIPage AutoMixerSetupPage;  // "AUTO-MIXER SETUP"
extern UIPage MyOrvelPage;         // "MY ORVEL"
extern UIPage MirrorPage;          // "MIRROR"
extern UIPage EngSetupPage;        // "ENG SETUP"
extern UIPage EditTrackNamesPage;  // "EDIT TRACK NAMES"
extern UIPage ChSetupPage;         // "CH# SETUP"
extern UIPage ChKavlinPage;        // "CH# KAVLIN"
extern UIPage BusRoutingPage;      // "BUS ROUTING"
extern UIPage HphRoutingPage;      // the headphone routing page (first page; redirects to the second)

// The scene, take and note settings of "META DATA"; MSG_EDIT opens the text editor on them.
extern UITextValue SceneSetting;
extern UITextValue TakeSetting;
extern UITextValue NoteSetting;
