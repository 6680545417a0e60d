#include "orvel/orvel.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <cstdlib>
#include <cstring>

#include "common/debug.h"
#include "common/format.h"
#include "common/numberof.h"
#include "orvel/orvelmeters.h"
#include "orvel/orvelplay.h"
#include "uicore/uicontrols.h"
#include "uicore/uimain.h"
#include "uicore/uipoweron.h"

OrvelState Orvel;
std::uint32_t ExtFaders[10];
std::uint32_t RecTrackLITE[10];
std::uint32_t OrvelRecEnable[12];

const UIKeepsPowerOn KeptOrvel{Orvel, ExtFaders, RecTrackLITE, OrvelRecEnable};

namespace {

constexpr const char* NotePresetTexts[] = {
    "Aircraft", "Car",  "Circle Take", "Ambiance",   "Tone -20.000", "Wild Track", "MOS",
    "No Good",  "Good", "Room Tone",   "Wild Lines", "PFX",          "Mis-Slated", "No Slate",
    "Tails Sticks", "Fan", "Interview", "OTF", "VO",
};

constexpr const char* TrackPresetTexts[] = {
    "Mix", "Mix-L", "Mix-R", "Boom", "Mid", "Side", "Lav", "Plant", "Car", "Music", "Playback",
};

template <std::size_t N>
void Copy(char (&field)[N], const char* text)
{
    FormatText(field, N, "%s", text);
}

bool LiteChosen(int argc, const char* const* argv, const char* programPath)
{
    const bool byArgument = argc > 1 && argv[1] && std::toupper(static_cast<unsigned char>(argv[1][0])) == 'L';
    return byArgument || (programPath && std::strstr(programPath, "LITE"));
}

bool TenTracksChosen(int argc, const char* const* argv)
{
    return argc > 1 && argv[1] && std::strtol(argv[1], nullptr, 10) == 10;
}

void SetFeatures(std::uint32_t present)
{
    Orvel.FeatKavlin = present;
    Orvel.FeatDigital = present;
    Orvel.FeatMirror = present;
    Orvel.FeatMp3 = present;
    Orvel.FeatLite = present ? 0 : 1;
}

void ChooseModel(int argc, const char* const* argv, const char* programPath)
{
    OrvelSetNTracks(12);
    Copy(Orvel.ModelName, "Orvel 12");
    SetFeatures(1);
    if (TenTracksChosen(argc, argv)) {
        OrvelSetNTracks(10);
        Copy(Orvel.ModelName, "Orvel 10");
    }
    // the reduced model wins over "10"
    if (LiteChosen(argc, argv, programPath)) {
        SetFeatures(0);
        OrvelSetNTracks(10);
        Copy(Orvel.ModelName, "Orvel Lite");
    }
}

void SetIdentity()
{
    Copy(Orvel.SerialNumber, "01234");
    Copy(Orvel.SoftwareVer, "v4.50");
    Copy(Orvel.DspRev, "B");
    Copy(Orvel.AudioRev, "13");
    Copy(Orvel.MainRev, "56");
    Copy(Orvel.KavlinVer, "0.33");
    Orvel.Segment = 3;
    Copy(Orvel.Scene, "123A");
    Copy(Orvel.Take, "100");
    Copy(Orvel.Note, "I LOVE ORVEL");
}

void SetPresets()
{
    for (std::size_t i = 0; i < std::size(NotePresetTexts); ++i)
        Copy(Orvel.Setup.NotePresets[i], NotePresetTexts[i]);
    for (std::size_t i = 0; i < std::size(TrackPresetTexts); ++i)
        Copy(Orvel.Setup.TrackPresets[i], TrackPresetTexts[i]);
}

void SetFolders()
{
    for (OrvelFolder& folder : Orvel.Folder)
        folder = {.NSegs = 0, .Sectors = 0, .Name = "Z%03d"};
    Orvel.Folder[1].NSegs = 5;
    Orvel.Folder[1].Sectors = 432332;
    Orvel.Folder[2].NSegs = 3;
    Orvel.Folder[2].Sectors = 32332;
}

void SetChannelsAndMemories()
{
    for (KLinChannel& channel : Orvel.KLin.Channel)
        channel.Frequency = 5400;
    for (std::uint32_t i = 0; i < 8; ++i)
        OrvelRecEnable[i] = 1;
    for (int i = 0; i < ORVEL_HPH_MEMORIES; ++i) {
        Orvel.HphMon.Mem[i].Index = static_cast<std::uint8_t>(i);
        FormatText(Orvel.HphMon.Mem[i].Name, sizeof(Orvel.HphMon.Mem[i].Name), "HP %d", i + 1);
    }
    for (int i = 0; i < ORVEL_CHANNELS; ++i)
        Orvel.Setup.Channel[i].Trim = static_cast<std::int8_t>(2 * i);
}

void SetModelValues()
{
    Orvel.IsoMask = 3;
    Orvel.IsoAttenuation = 6;
    Orvel.SampleRate = 48000;
    Orvel.SampleRateIndex = 2;
    Orvel.MirrorDrive = 2;
    Orvel.Dynamic48V = 1;
    Orvel.MeterPeakHold = 4000;
    Orvel.Year = 2011;
    Orvel.Month = 5;
    Orvel.Day = 9;
    Orvel.Hours = 10;
    Orvel.Minutes = 20;
    for (std::uint32_t& folder : Orvel.DriveFolder)
        folder = 1;
}

bool IsEmpty(const HphMonMem& memory)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&memory);
    for (std::size_t i = 0; i < sizeof(memory); ++i)
        if (bytes[i])
            return false;
    return true;
}

}  // namespace

void OrvelInit(int argc, const char* const* argv, const char* programPath)
{
    ChooseModel(argc, argv, programPath);
    SetIdentity();
    SetPresets();
    Orvel.Settings.HomePage = 0;
    Orvel.Settings.HomePageVariant[0] = 3;
    Orvel.Settings.HomePageVariant[1] = 2;
    Orvel.TransportKeys = 1;
    SetChannelsAndMemories();
    Orvel.VFaderCycle = 4;
    Orvel.FolderNum = 1;
    SetFolders();
    PlayReset();
    OrvelMetersConnect();
    SetModelValues();
}

void OrvelPowerOn(int argc, const char* const* argv, const char* programPath)
{
    UIReset();
    OrvelInit(argc, argv, programPath);
}

std::uint8_t OrvelGetNTracks()
{
    return Orvel.NTracks;
}

void OrvelSetNTracks(std::uint8_t ntracks)
{
    ASSERT(ntracks > 0 && ntracks <= 12);
    ASSERT(ntracks <= numberof(Orvel.Setup.Tracks));
    Orvel.NTracks = ntracks;
}

std::uint8_t OrvelGetTransport()
{
    return Orvel.Transport;
}

void OrvelTransportCmd(std::uint32_t cmd)
{
    if (cmd != 0)
        return;
    if (Orvel.Transport)
        Orvel.Transport = 0;
    else
        UIGotoPage(&FalseStartPage);
}

std::uint8_t OrvelGetArmMode()
{
    return Orvel.ArmMode;
}

void OrvelSetArmMode(std::uint8_t mode)
{
    Orvel.ArmMode = mode;
}

std::uint8_t OrvelGetArmMask()
{
    return Orvel.ArmMask;
}

void OrvelSetArmBit(std::uint32_t n)
{
    Orvel.ArmMask = static_cast<std::uint8_t>(n < 8 ? 1U << n : 0);
}

void OrvelToggleArmBit(std::uint32_t n)
{
    n %= 256;
    if (n < 8)
        Orvel.ArmMask ^= static_cast<std::uint8_t>(1U << n);
}

std::uint8_t OrvelGetHomePage()
{
    return Orvel.Settings.HomePage;
}

void OrvelSetHomePage(std::uint8_t page)
{
    Orvel.Settings.HomePage = page;
}

std::uint8_t OrvelGetHomeVariant()
{
    OrvelState* p = &Orvel;
    const std::uint32_t index = p->Settings.HomePage;
    if (!ASSERT(index < numberof(p->Settings.HomePageVariant)))
        return 0;
    return p->Settings.HomePageVariant[index];
}

void OrvelSetHomeVariant(std::uint32_t variant)
{
    OrvelState* p = &Orvel;
    const std::uint32_t index = p->Settings.HomePage;
    if (!ASSERT(index < numberof(p->Settings.HomePageVariant)))
        return;
    p->Settings.HomePageVariant[index] = static_cast<std::uint8_t>(variant >= 9 ? 8 : variant);
}

void OrvelSetFolderNum(std::uint32_t fnum)
{
    Orvel.FolderNum = fnum;
}

OrvelFolderDetails OrvelFolderInfo(std::uint32_t fnum)
{
    OrvelFolderDetails details{.Name = "", .Bytes = 0, .NSegs = 0, .Current = Orvel.FolderNum};
    if (!ASSERT((fnum>=1) && (fnum < numberof(Orvel.Folder))))
        return details;
    const OrvelFolder& folder = Orvel.Folder[fnum];
    FormatText(details.Name, sizeof(details.Name), folder.Name, fnum);
    details.Bytes = static_cast<std::uint64_t>(folder.Sectors) * 512;
    details.NSegs = folder.NSegs;
    return details;
}

HphMonMem* OrvelHphMonCurrent()
{
    OrvelState* p = &Orvel;
    if (!ASSERT(p->HphMon.Index < numberof(p->HphMon.Mem)))
        return &p->HphMon.Mem[0];
    return &p->HphMon.Mem[p->HphMon.Index];
}

void OrvelHphMonStep(bool up, bool skip)
{
    std::int32_t index = Orvel.HphMon.Index;
    for (int moves = 0; moves < ORVEL_HPH_MEMORIES; ++moves) {
        index = (index + (up ? 1 : ORVEL_HPH_MEMORIES - 1)) % ORVEL_HPH_MEMORIES;
        if (!skip || !IsEmpty(Orvel.HphMon.Mem[index]))
            break;
    }
    Orvel.HphMon.Index = index;
}

const char* OrvelHphMonName(std::uint32_t index)
{
    if (!ASSERT(index < numberof(Orvel.HphMon.Mem)))
        return "";
    return Orvel.HphMon.Mem[index].Name;
}

void OrvelHphMonCopyName(char* dest, std::uint32_t index)
{
    std::strcpy(dest, OrvelHphMonName(index));
}

std::uint32_t ExtFaderGet(std::uint32_t fad)
{
    if (!ASSERT(fad < numberof(ExtFaders)))
        return 0;
    return ExtFaders[fad];
}

std::uint32_t RecTrackGet(std::uint32_t DiskChannel)
{
    if (!ASSERT(DiskChannel < numberof(RecTrackLITE)))
        return 0;
    return RecTrackLITE[DiskChannel];
}

std::uint32_t RecTrackSet(std::uint32_t DiskChannel, std::uint32_t track)
{
    if (ASSERT(DiskChannel < numberof(RecTrackLITE)))
        RecTrackLITE[DiskChannel] = track;
    return 1;
}

void OrvelBatteryStatus(OrvelBattery* status, char* text)
{
    *status = {.Charge = 65, .Voltage = 10.4F, .Source = 1, .Spare1 = 0, .Spare2 = 0};
    FormatText(text, MAX_UI_TEXT, "E %.1fV", static_cast<double>(status->Voltage));
}
