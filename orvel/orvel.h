#pragma once
// The simulated recorder: one record holding its identity, track count, transport state, channel
// set-ups, name tables, folders, headphone memories, address book and home-screen settings, filled
// with demonstration values at start-up. Nothing persists between runs.
#include <cstdint>

struct SkypostAddress {
    char Name[17];  // an entry with an empty name is empty
    char Address[17];
    char AuxData[17];
};

// One headphone-monitor memory; each byte of the matrices is a cell (0 empty, else a symbol index).
struct HphMonMem {
    std::uint8_t Index;
    std::uint8_t Ext;
    std::uint8_t Upper[3][12];
    std::uint8_t Lower[3][12];
    std::uint8_t KLinRow[1][12];
    std::uint8_t Upper12[2][12];
    std::uint8_t Lower12[2][12];
    char Name[7];
};

struct SetupChannel {
    std::int8_t Trim;  // dB
    std::uint8_t Spare1;
    std::int16_t CDScal;
    std::int8_t Type;  // 0 MIC, 1 LINE
    std::uint8_t Spare2;
};

struct KLinChannel {
    std::int8_t Trim;
    std::uint8_t Spare1;
    std::uint16_t Frequency;  // tenths of MHz
    std::uint8_t Spare2[2];
};

struct OrvelFolder {
    std::uint32_t NSegs;
    std::uint32_t Sectors;  // 512-byte sectors
    char Name[32];          // a format that yields the name when printed with the folder number
};

struct OrvelPlay {
    std::uint32_t PlaySegment;
    std::uint32_t Segment;
    std::int32_t Scrub;
    std::int32_t Position;
    std::int32_t NTracks;
    std::int32_t TimeSec;
    std::int32_t TimeMin;
    std::int32_t TotalSec;
    std::int32_t TotalMin;
    char Timecode[20];
    char Scene[20];
    char Take[20];
    char Name[20];
};

constexpr int ORVEL_HPH_MEMORIES = 14;
constexpr int ORVEL_CHANNELS = 10;
constexpr int ORVEL_MAX_TRACKS = 12;
constexpr int ORVEL_FOLDERS = 32;

struct OrvelState {
    char ModelName[17];
    char SerialNumber[17];
    char SoftwareVer[17];
    char DspRev[17];
    char AudioRev[17];
    char MainRev[17];
    char KavlinVer[17];
    std::uint8_t NTracks;
    std::uint8_t ArmMode;
    std::uint8_t ArmMask;
    std::uint8_t Transport;      // 0 stopped, 1 playing, 2 recording
    std::uint8_t TransportKeys;  // 0 "UNSHIFTED", 1 "SHIFTED"
    struct {
        SkypostAddress Address[10];
        std::uint32_t Index;
        std::uint32_t JobNumber;
        std::uint32_t EditIndex;
    } Skypost;
    struct {
        std::int32_t Index;
        HphMonMem Mem[ORVEL_HPH_MEMORIES];
    } HphMon;
    struct {
        std::uint8_t Chan;
        SetupChannel Channel[ORVEL_CHANNELS];
        char Tracks[ORVEL_MAX_TRACKS][33];
        char TrackPresets[20][33];
        char NotePresets[20][33];
    } Setup;
    std::uint32_t IOConfig;
    struct {
        std::uint8_t Chan;
        KLinChannel Channel[21];
    } KLin;
    std::int32_t Segment;
    char Scene[16];
    char Take[8];
    char Note[48];
    OrvelFolder Folder[ORVEL_FOLDERS];  // folder numbers 1..31; 0 is not used
    struct {
        std::uint8_t HomePage;
        std::uint8_t HomePageVariant[2];
        std::uint8_t PanEdit;
    } Settings;
    std::uint32_t FolderNum;

    // Feature flags: which menus and rows the model shows.
    std::uint32_t FeatKavlin;
    std::uint32_t FeatDigital;
    std::uint32_t FeatMirror;
    std::uint32_t FeatMp3;
    std::uint32_t FeatLite;
    std::uint32_t FeatFactory;

    // Values behind the settings the device model answers itself.
    std::uint32_t SampleRateIndex;
    std::uint32_t SampleRate;
    std::uint32_t MirrorDrive;
    std::uint32_t Dynamic48V;
    std::uint32_t MeterPeakHold;  // ms
    std::uint32_t IsoAttenuation;  // dB, 0 "OFF"
    std::uint32_t IsoMask;         // bit n: card track n + 1
    std::uint32_t PanCopy34;
    std::uint32_t PanCopy56;
    std::uint32_t Mp3Support;
    std::uint32_t Mp3Mix;
    std::uint32_t Mp3Mute;
    std::uint8_t StarFlag;
    std::uint32_t AMixMode;
    std::uint32_t Year;
    std::uint32_t Month;
    std::uint32_t Day;
    std::uint32_t Hours;
    std::uint32_t Minutes;
    std::uint32_t Seconds;
    std::uint32_t Delay[ORVEL_CHANNELS];  // tenths of ms
    std::uint32_t ReaderTc;
    std::uint32_t GenTc;
    std::uint32_t DriveFolder[4];

    // The virtual fader's settings and the segment being played back.
    std::uint32_t VFaderCycle;  // 0 "NONE" .. 4 "7,8,9,10"
    std::uint32_t VFaderMode;   // 0 "vFaders", 1 "vFad+Trim"
    OrvelPlay Play;
};

extern OrvelState Orvel;
extern std::uint32_t ExtFaders[10];
extern std::uint32_t RecTrackLITE[10];
extern std::uint32_t OrvelRecEnable[12];

// Fills the record, as power-on left it, with its demonstration values; the command line chooses
// the model: a first argument "10" the 10-track model, one beginning with "L" or a program path
// containing "LITE" the reduced model.
void OrvelInit(int argc, const char* const* argv, const char* programPath);
// The whole recorder as at power-on, before its user interface starts: every module of the UI core
// and of the device back to how it was built, and the model chosen as OrvelInit does.
void OrvelPowerOn(int argc, const char* const* argv, const char* programPath);

std::uint8_t OrvelGetNTracks();
void OrvelSetNTracks(std::uint8_t ntracks);

std::uint8_t OrvelGetTransport();
void OrvelTransportCmd(std::uint32_t cmd);
std::uint8_t OrvelGetArmMode();
void OrvelSetArmMode(std::uint8_t mode);
std::uint8_t OrvelGetArmMask();
void OrvelSetArmBit(std::uint32_t n);
void OrvelToggleArmBit(std::uint32_t n);
std::uint8_t OrvelGetHomePage();
void OrvelSetHomePage(std::uint8_t page);
std::uint8_t OrvelGetHomeVariant();
void OrvelSetHomeVariant(std::uint32_t variant);

void OrvelSetFolderNum(std::uint32_t fnum);
struct OrvelFolderDetails {
    char Name[32];
    std::uint64_t Bytes;
    std::uint32_t NSegs;
    std::uint32_t Current;  // the current folder number
};
OrvelFolderDetails OrvelFolderInfo(std::uint32_t fnum);

HphMonMem* OrvelHphMonCurrent();
void OrvelHphMonStep(bool up, bool skip);
const char* OrvelHphMonName(std::uint32_t index);
void OrvelHphMonCopyName(char* dest, std::uint32_t index);

// The simulated battery: charge in percent, voltage, supply source, two values the recorder leaves at 0,
// and the short text shown over the battery picture (MAX_UI_TEXT bytes).
struct OrvelBattery {
    std::uint32_t Charge;
    float Voltage;
    std::uint32_t Source;  // 1 the external supply
    std::uint32_t Spare1;
    std::uint32_t Spare2;
};
void OrvelBatteryStatus(OrvelBattery* status, char* text);

std::uint32_t ExtFaderGet(std::uint32_t fad);
std::uint32_t ExtFaderSet(std::uint32_t fad, std::uint32_t src);
std::uint32_t RecTrackGet(std::uint32_t DiskChannel);
std::uint32_t RecTrackSet(std::uint32_t DiskChannel, std::uint32_t track);
