// "MY ORVEL": the primary card and the mirror, their folders, formats and states.
#include "orvel/orvel.h"
#include "orvel/orvelcells.h"
#include "orvel/orvelhooks.h"
#include "orvel/orvellisthooks.h"
#include "orvel/orvelpages.h"
#include "ui/menu/menu.h"
#include "ui/uilists.h"
#include "ui/uipages.h"
#include "uicore/uipoweron.h"

namespace {

UIValue MirrorMode = Options(MirrorModeOptions);  // one value on "MY ORVEL" and on "MIRROR"

// "PRIMARY FOLDER" and "FOLDER TO MIRROR": the folders of the primary card.
UIList PrimaryFolderList = ListAt(FolderListHandler, {.Rows = 8});  // below its title row
UIPageControls<1> PrimaryFolder = PageControls("PRIMARY FOLDER", PrimaryFolder, {ControlOf(PrimaryFolderList)});
UIPage PrimaryFolderPage = PageOf(PrimaryFolder);
UIList MirrorFolderList = ListAt(MirrorFolderListHandler, {.Rows = 8});
UIPageControls<1> FolderToMirror = PageControls("FOLDER TO MIRROR", FolderToMirror, {ControlOf(MirrorFolderList)});
UIPage FolderToMirrorPage = PageOf(FolderToMirror);

// "ISO ATTEN ENABLE": which card tracks the isolation attenuation acts on.
UISetting IsoMask = CellsBy<IsoMaskHook>(CellOptions);
UIMatrix IsoEnables = MatrixAt(IsoEnables, {.X = 5, .Y = 44, .Setting = &IsoMask, .Menu = &CellOptions.Menu,
                                            .Handler = TrackMatrixHandler},
                               {{"CRD", 8}, {"", 4}}, {"1", "2", "3", "4", "5", "6", "7", "8"});
UIPageControls<1> IsoAttenEnable = PageControls("ISO ATTEN ENABLE", IsoAttenEnable, {ControlOf(IsoEnables)});
UIPage IsoAttenEnablePage = PageOf(IsoAttenEnable);

// "PRIMARY CF": the primary card's folder and destructive actions, and the current folder's name.
UISetting IsoAttenuation = Number(0, 24, "%ddB", "__dB", "OFF").By<IsoAttenuationHook>();
char FolderNameCopy[MAX_UI_TEXT];
UITextValue FolderName = TextIn(FolderNameCopy, MAX_UI_TEXT - 1, true, UIHookedTextHandler<FolderNameHook>);

UIMenuList<6> PrimaryCardRows = MenuList(PrimaryCardRows, {.Rows = 6, .Column = 137}, {
    Opens("CHOOSE PRIMARY FOLDER", PrimaryFolderPage),
    Opens("DELETE LAST SEGMENT", DeleteLastSegPage),
    Opens("ERASE CURRENT FOLDER", EraseFolderPage),
    Opens("FORMAT PRIMARY CARD", ErasePrimaryPage),
    Row("ISO ATTENUATION: ", IsoAttenuation),
    Opens("ISO ATTEN ENABLE", IsoAttenEnablePage),
});
UIText FolderNameLabel = TextAt(1, 140, "EDIT CURRENT FOLDER NAME:");
UIField FolderNameField = FieldAt(1, 155, "", &FolderName);
UIPageControls<3> PrimaryCard = PageControls("PRIMARY CF", PrimaryCard, {
    ControlOf(PrimaryCardRows), ControlOf(FolderNameLabel), ControlOf(FolderNameField),
});

// "MIRROR OPTIONS"
UIValue AfterPowerCycle = Options(OffOnOptions);
UIText RememberLabel = TextAt(0, 24, "REMEMBER MIRROR SETTINGS");
UIMenuList<1> MirrorOptionRows = MenuList(MirrorOptionRows, {.Y = 39, .Rows = 1, .Column = 151}, {
    Row("AFTER POWER CYCLE: ", AfterPowerCycle),
});
UIPageControls<2> MirrorOptions =
    PageControls("MIRROR OPTIONS", MirrorOptions, {ControlOf(RememberLabel), ControlOf(MirrorOptionRows)});
UIPage MirrorOptionsPage = PageOf(MirrorOptions);

// "MIRROR": what the mirror card copies and how its files are made.
const UIOptions<3> FileTypeOptions = OptionsOf(FileTypeOptions, {"BWAV MONO", "BWAV POLY", "MP3"});
const UIOptions<2> ResolutionOptions = OptionsOf(ResolutionOptions, {"24 BITS", "16 BITS"});
const UIOptions<4> FileNameOptions = OptionsOf(FileNameOptions, {"Z001001", "1_T2_Z001...", "1_T2", "1T2"});

UIValue StartSeg = Number(1, 999, "%d", "___").Start(1);
UIValue EndSeg = Number(1, 999, "%d", "___").Start(999);
UIValue FileType = Options(FileTypeOptions);
UIValue FileResolution = Options(ResolutionOptions);
UIValue FileName = Options(FileNameOptions);
UIValue TcOffset = Number(-500, 500, "%dms", "+___ms");

UIMenuPage<10> Mirror = MenuPage("MIRROR", Mirror, {.Column = 130}, {
    Row("MIRROR MODE ", MirrorMode),
    Opens("FOLDER TO MIRROR", FolderToMirrorPage),
    Row("START SEG ", StartSeg),
    Row("END SEG ", EndSeg),
    Row("FILE TYPE ", FileType),
    Row("FILE RESOLUTION ", FileResolution),
    Row("FILE NAME ", FileName),
    Row("TC OFFSET ", TcOffset),
    Opens("MIRROR OPTIONS", MirrorOptionsPage),
    Opens("FORMAT MIRROR CARD", EraseMirrorPage),
});

// "MY ORVEL"
const UIOptions<4> MirrorDriveOptions = OptionsOf(MirrorDriveOptions, {"(PRI)", "(USB)", "(MirCF)", "(SD)"});
UISetting MirrorDrive = Options(MirrorDriveOptions).By<MirrorDriveHook>();
UISetting PrimaryStatus = TextBy<PrimaryStatusHook>();
UISetting MirrorStatus = TextBy<MirrorStatusHook>();

UIMenuList<5> MyOrvelRows = MenuList(MyOrvelRows, {.Rows = 5, .Column = 116}, {
    Row("MIRROR MODE: ", MirrorMode),
    Row("WRITE SOUND REPORT"),
    Opens("PRIMARY CARD", PrimaryCardPage),
    Opens("MIRROR SETTINGS", MirrorPage),
    When(IfMirror, Row("MIRROR DRIVE: ", MirrorDrive)),
});
UIMenuList<2> CardStatusRows = MenuList(CardStatusRows, {.X = 2, .Y = 140, .Rows = 2, .Column = 130, .Flags = 0}, {
    Row("Primary status: ", PrimaryStatus),
    Row("Mirror status: ", MirrorStatus),
});
UIPageControls<2> MyOrvel = PageControls("MY ORVEL", MyOrvel, {ControlOf(MyOrvelRows), ControlOf(CardStatusRows)});

}  // namespace

UIPage PrimaryCardPage = PageOf(PrimaryCard, MirrorKeyHomeHandler);
UIPage MirrorPage = PageOf(Mirror, MirrorKeyHomeHandler);
UIPage MyOrvelPage = PageOf(MyOrvel);

const UIKeepsPowerOn KeptMyOrvel{MirrorMode,    PrimaryFolderList, PrimaryFolderPage, MirrorFolderList, FolderToMirrorPage,
                                 IsoEnables,    IsoAttenEnablePage, FolderNameCopy, PrimaryCardRows, PrimaryCardPage,
                                 AfterPowerCycle, MirrorOptionRows, MirrorOptionsPage, StartSeg, EndSeg, FileType,
                                 FileResolution, FileName, TcOffset, Mirror, MyOrvelRows, CardStatusRows, MirrorPage,
                                 MyOrvelPage};
