#pragma once
// Pages the recorder defines that no key, menu row or handler of this system opens. They exist with
// their controls so that they can be reviewed (the headless front end's `goto`).
#include "uicore/uimain.h"

extern UIPage PlayOutRouterPage;     // "PLAY OUT ROUTER", BUS to its second page
extern UIPage PlayOutRouter2Page;    // tracks 9 to 12, only with 12 tracks
extern UIPage PlayHphRouterPage;     // "PLAY HPH ROUTER"
extern UIPage PlayHphRouter2Page;
extern UIPage AuxRecordPage;         // "AUX RECORD"
extern UIPage Mp3RoutingPage;        // "MP3 ROUTING"
extern UIPage SkypostPage;           // "SKYPOST"
extern UIPage SkypostFilePage;       // "SKYPOST FILE"
extern UIPage AddAddressPage;        // "ADD ADDRESS MENU"
extern UIPage KavlinAuditionPage;    // "KAVLIN AUDITION"
extern UIPage InputBitsPage;         // the second "INPUT CONFIGURE"
extern UIPage MetersPage;            // the meters alone, untitled
extern UIPage BatteryWarningPage;    // "BATTERY WARNING" (two records)
extern UIPage BatteryWarning2Page;
extern UIPage LowRecordTimePage;     // "LOW RECORD TIME"
extern UIPage RecordConflictPage;    // "RECORD CONFLICT"
extern UIPage MirrorConflictPage;    // "MIRROR CONFLICT"
extern UIPage ReRecordPage;          // "RE-RECORD"
extern UIPage DropoutRecoverPage;    // "DROPOUT RECOVER"
