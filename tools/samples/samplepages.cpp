#include "samplepages.h"

#include <array>
#include <cstring>

#include "canvas/font.h"
#include "common/format.h"
#include "uicore/uibattery.h"
#include "uicore/uicontrols.h"
#include "uicore/uisetting.h"
#include "uicore/uiutils.h"

namespace {

// Sample values live here; the settings answer them like the device model would.
std::int32_t TcMode = 1;
std::int32_t FrameRate = 2;
std::int32_t Holdoff = 15;
std::int32_t Timecode = static_cast<std::int32_t>(UITimecodeFromHMSF(10, 24, 37, 12));

// The value field is as wide as the longest text the sample settings show.
constexpr std::int32_t SampleFieldWidth = 8;

std::uint32_t StoredValue(std::int32_t& value, void* self, Message* msg, MsgHandler kind)
{
    if (msg->Id == MSG_FIELD_WIDTH) {
        msg->Param = SampleFieldWidth;
        return 1;
    }
    if (msg->Id == MSG_VALUE_GET) {
        msg->Param = value;
        return 1;
    }
    if (msg->Id == MSG_VALUE_SET) {
        value = MsgParamInt(msg);
        return 1;
    }
    return kind(self, msg);
}

const UIMenuItem TcModeItems[] = {{"FREE RUN", 0, 0}, {"REC RUN", 0, 0}, {"JAM SYNC", 0, 0xB800}};
const UIMenu TcModeMenu = {.NItems = std::size(TcModeItems), .Items = TcModeItems};
const UIMenuItem FrameRateItems[] = {{"23.976", 0, 0}, {"24", 0, 0}, {"25", 0, 0}, {"29.97DF", 0, 0}, {"30", 0, 0}};
const UIMenu FrameRateMenu = {.NItems = std::size(FrameRateItems), .Items = FrameRateItems};

UISetting TcModeSetting = {
    .Handler = [](void* self, Message* msg) { return StoredValue(TcMode, self, msg, UIEnumSettingHandler); },
    .Menu = &TcModeMenu};
UISetting FrameRateSetting = {
    .Handler = [](void* self, Message* msg) { return StoredValue(FrameRate, self, msg, UIEnumSettingHandler); },
    .Menu = &FrameRateMenu};
UISetting HoldoffSetting = {
    .Handler = [](void* self, Message* msg) { return StoredValue(Holdoff, self, msg, UINumberSettingHandler); },
    .Menu = nullptr, .Min = 0, .Max = 100, .Scaling = 10, .ZeroText = "OFF", .Format = "%d.%01dS", .Template = "__._S"};
UISetting TimecodeSetting = {
    .Handler = [](void* self, Message* msg) { return StoredValue(Timecode, self, msg, UITimecodeSettingHandler); }};

std::uint32_t SupplyHandler(void*, Message* msg)
{
    if (msg->Id == MSG_VALUE_GET) {
        msg->Param = 65;
        return 1;
    }
    if (msg->Id == MSG_TEXT_GET) {
        FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "E 10.4V");
        return 1;
    }
    return 0;
}

MsgTarget Supply = {.Handler = SupplyHandler};

UITitle Title = {.Control = {.Handler = UITitleHandler, .X = 0, .Y = 0}, .Text = "TC SETUP"};
UIField ModeField = {.Control = {.Handler = UIFieldHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 4, .Y = 26},
                     .Text = "TC MODE", .Color = COLOUR_BLACK, .Setting = &TcModeSetting};
UIField RateField = {.Control = {.Handler = UIFieldHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 4, .Y = 44},
                     .Text = "FPS", .Color = COLOUR_BLACK, .Setting = &FrameRateSetting};
UIField HoldoffField = {.Control = {.Handler = UIFieldHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 4, .Y = 62},
                        .Text = "H:", .Color = COLOUR_BLACK, .Setting = &HoldoffSetting};
UITimecodeField TimecodeField = {.Control = {.Handler = UITimecodeFieldHandler, .X = 4, .Y = 84},
                                 .Text = "TC", .Font = 1, .Color = COLOUR_BLACK, .Setting = &TimecodeSetting};
UIButton JamButton = {.Control = {.Handler = UIButtonHandler, .Flags = UI_CTRL_FLAG_FOCUS, .X = 4, .Y = 110},
                      .Text = "JAM NOW", .Width = 80};
UIBattery Battery = {.Control = {.Handler = UIBatteryHandler, .X = 130, .Y = 148}, .Setting = &Supply};

UIControl* const SettingsControls[] = {&Title.Control,         &ModeField.Control, &RateField.Control,
                                       &HoldoffField.Control,  &TimecodeField.Control, &JamButton.Control,
                                       &Battery.Control};

UIPage SettingsPage = {.Handler = UINullHandler, .ControlIndex = 2,
                       .NControls = static_cast<std::int32_t>(std::size(SettingsControls)),
                       .Controls = SettingsControls};

// A canvas as large as the biggest font's sheet, stored top row first.
constexpr int SheetSide = 240;
std::array<Colour, SheetSide * SheetSide> SheetStore;

void SheetPixelSet(Canvas* c, std::int32_t x, std::int32_t y, Colour colour)
{
    if (x >= 0 && x < c->Width && y >= 0 && y < c->Height)
        c->Buffer[y * c->Width + x] = colour;
}

Colour SheetPixelGet(Canvas* c, std::int32_t x, std::int32_t y)
{
    return x >= 0 && x < c->Width && y >= 0 && y < c->Height ? c->Buffer[y * c->Width + x] : COLOUR_WHITE;
}

Canvas Sheet = {.Width = SheetSide, .Height = SheetSide, .Buffer = SheetStore.data(), .PixelSet = SheetPixelSet,
                .PixelGet = SheetPixelGet};

}  // namespace

void ShowSettingsSample()
{
    SettingsPage.ControlIndex = 2;
    UIGotoPage(&SettingsPage);
}

Canvas* GlyphSheet(int font)
{
    CanvasInit(&Sheet);
    const Font* f = FontGet(font);
    const int cellWidth = f->Width + 4;
    const int cellHeight = FontHeight(&Sheet, font) + 4;
    const int perRow = SheetSide / cellWidth;
    const int count = f->LastChar - f->FirstChar + 1;
    const int rows = (count + perRow - 1) / perRow;
    Sheet.Width = static_cast<std::uint8_t>(perRow * cellWidth + 4);
    Sheet.Height = static_cast<std::uint8_t>(std::min(SheetSide, rows * cellHeight + 4));
    Sheet.Clear(&Sheet);
    for (int i = 0; i < count; ++i) {
        const char text[2] = {static_cast<char>(f->FirstChar + i), 0};
        DrawText(&Sheet, 4 + (i % perRow) * cellWidth, 4 + (i / perRow) * cellHeight, 0, font, COLOUR_BLACK, text);
    }
    return &Sheet;
}
