#include "host/panel.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "canvas/lcdcanvas.h"
#include "common/format.h"
#include "host/filewrite.h"
#include "host/hostapp.h"
#include "host/hostdebug.h"
#include "message/message.h"
#include "uicore/uikeys.h"
#include "uicore/uimain.h"
#include "uicore/uimeter.h"

namespace {

constexpr PanelRegion RegionAt(std::size_t n)
{
    const PanelKeyPlace& place = PanelKeyTbl[n];
    return {.Key = place.Key, .Rect = place.Rect, .Pressed = 0, .Shown = 0, .Label = place.Label};
}

// One region for every key of the panel table, then the end marker.
constexpr std::array<PanelRegion, std::size(PanelKeyTbl) + 1> RegionsOfThePanel()
{
    std::array<PanelRegion, std::size(PanelKeyTbl) + 1> regions{};
    for (std::size_t n = 0; n < std::size(PanelKeyTbl); ++n)
        regions[n] = RegionAt(n);
    regions.back() = {.Key = -1, .Rect = {}, .Pressed = 0, .Shown = 0, .Label = nullptr};
    return regions;
}

}  // namespace

std::array<PanelRegion, std::size(PanelKeyTbl) + 1> PanelRegions = RegionsOfThePanel();

PanelMouse PanelMouseState = {.A = {}, .B = {}, .Capture = false, .HeldKey = -1};

namespace {

// Who holds a panel key beside the pointer: a press of that key itself (a script's "down", which can
// hold several keys at once) and Ctrl, which keeps keys down until it comes up. A key is released by
// whoever still holds it, once; a release by anyone else is ignored.
enum KeyHolder : std::uint8_t {
    HeldDirectly = 1,
    KeptByCtrl = 2,
};

std::array<std::uint8_t, std::size(PanelKeyTbl)> Holders{};

struct KeyMapping {
    int VirtualKey;
    std::int32_t Key;
};

constexpr KeyMapping KeyboardTbl[] = {
    {VK_UP, KEY_UP},       {VK_DOWN, KEY_DOWN},  {VK_LEFT, KEY_LEFT},
    {VK_RIGHT, KEY_RIGHT}, {VK_RETURN, KEY_MENU}, {VK_ESCAPE, KEY_HP},
    {VK_BACK, KEY_BACKSPACE},
};

PanelRegion* RegionOfKey(std::int32_t key)
{
    for (PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        if (r->Key == key)
            return r;
    return nullptr;
}

std::uint8_t& HoldersOf(const PanelRegion& region)
{
    return Holders[static_cast<std::size_t>(&region - PanelRegions.data())];
}

bool IsPressed(std::int32_t key)
{
    const PanelRegion* r = RegionOfKey(key);
    return r && r->Pressed;
}

// Ctrl keeps the key down; releasing Ctrl lets it go.
void KeepWithCtrl(std::int32_t key)
{
    if (PanelRegion* r = RegionOfKey(key); r && r->Pressed)
        HoldersOf(*r) = KeptByCtrl;
}

void ReleaseKeptByCtrl()
{
    for (PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        if (r->Pressed && (HoldersOf(*r) & KeptByCtrl))
            PanelRelease(r->Key);
}

void CopyRect(const RgbPicture& from, const PanelRect& rect)
{
    for (std::int32_t y = rect.Top; y < rect.Bottom; ++y)
        for (std::int32_t x = rect.Left; x < rect.Right; ++x)
            Host.Client.Set(x, y, from.At(x, y));
}

void ToggleLcdViews()
{
    HostUi& ui = *Host.Ui;
    ui.SetClientHeight(ui.ClientHeight() != Host.SavedClientHeight ? Host.SavedClientHeight : PANEL_ONLY_HEIGHT);
    MsgLcdUpdate();
}

// Appends the captured rectangle to "regions.txt" once the user confirms it.
void OfferRegion()
{
    const PanelMouse& m = PanelMouseState;
    char text[96];
    FormatText(text, sizeof(text), "Region (%d,%d -> %d,%d)", m.A.X, m.A.Y, m.B.X, m.B.Y);
    if (!Host.Ui->MessageBox(text, "Capture region", HostBox::OkCancel))
        return;
    const std::string path = (std::filesystem::path(Host.OutputDir) / "regions.txt").string();
    char line[96];
    FormatText(line, sizeof(line), "    { 0, {%4d, %4d, %4d, %4d}, 0, 0 },\n", m.A.X, m.A.Y, m.B.X, m.B.Y);
    const WriteResult written = AppendToFile(path, line);
    if (written)
        return;
    Host.Ui->WriteFailed(path, written.Reason);
    if (!written.Opened)
        Host.Ui->MessageBox("Failed to open file", "Error", HostBox::Warning);
    else
        Host.Ui->MessageBox("Failed to write " + path + ": \n" + written.Reason, "Error", HostBox::Error);
}

}  // namespace

bool PanelContains(const PanelRect& rect, std::int32_t x, std::int32_t y)
{
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

PanelRegion* PanelHit(std::int32_t x, std::int32_t y)
{
    for (PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        if (PanelContains(r->Rect, x, y))
            return r;
    return nullptr;
}

std::int32_t PanelKeyOfVirtualKey(int vk)
{
    if (vk >= VK_F1 && vk <= VK_F12)
        return KEY_F1 + (vk - VK_F1);
    for (const KeyMapping& mapping : KeyboardTbl)
        if (mapping.VirtualKey == vk)
            return mapping.Key;
    return -1;
}

std::uint32_t PanelModifierBits(const KeyMods& mods)
{
    std::uint32_t bits = 0;
    if (mods.Ctrl)
        bits |= KEY_MOD_CTRL;
    if (mods.Shift)
        bits |= KEY_MOD_SHIFT;
    if (mods.Alt)
        bits |= KEY_MOD_ALT;
    return bits;
}

void PanelPress(std::int32_t key)
{
    if (key < 0)
        return;
    if (PanelRegion* r = RegionOfKey(key))
        r->Pressed = 1;
    MsgBroadcastQuery(MSG_KEY_DOWN, key);
    UIRedraw();
}

void PanelRelease(std::int32_t key)
{
    if (key < 0)
        return;
    if (PanelRegion* r = RegionOfKey(key)) {
        r->Pressed = 0;
        HoldersOf(*r) = 0;
    }
    MsgBroadcastQuery(MSG_KEY_UP, key);
}

void PanelReleaseAll()
{
    for (PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        if (r->Pressed)
            PanelRelease(r->Key);
}

void PanelRefresh()
{
    bool changed = false;
    for (PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r) {
        if (r->Pressed == r->Shown)
            continue;
        CopyRect(r->Pressed ? Host.PanelLit : Host.PanelRest, r->Rect);
        r->Shown = r->Pressed;
        changed = true;
    }
    if (changed && Host.Ui)
        Host.Ui->Repaint();
}

void PanelReset()
{
    for (PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        r->Pressed = r->Shown = 0;
    Holders = {};
    PanelMouseState = {.A = {}, .B = {}, .Capture = false, .HeldKey = -1};
}

void HostKeyDown(int vk, const KeyMods& mods, bool autoRepeat)
{
    if (autoRepeat)
        return;
    std::int32_t k = PanelKeyOfVirtualKey(vk);
    if (k < 1 && vk >= 32 && vk <= 127) {
        // plain characters come through HostChar; only Ctrl and Alt combinations arrive here
        k = (mods.Ctrl || mods.Alt) ? vk : -1;
    }
    if (k >= 0)
        k |= static_cast<std::int32_t>(PanelModifierBits(mods));
    HostDebug("WM_KEYDOWN: %08X %08X\n", static_cast<unsigned>(vk), static_cast<unsigned>(k));
    if (mods.Ctrl && (vk == VK_UP || vk == VK_DOWN)) {
        SimLevelStep(vk == VK_UP ? -1 : 1);
        return;
    }
    if (k >= 0) {
        PanelPress(k);
        PanelRefresh();
    }
}

void HostKeyUp(int vk, const KeyMods& mods)
{
    const std::int32_t k = PanelKeyOfVirtualKey(vk);
    if (k < 0) {
        if (vk == VK_CONTROL) {
            ReleaseKeptByCtrl();
            PanelRefresh();
        }
        return;
    }
    PanelRelease(k | static_cast<std::int32_t>(PanelModifierBits(mods)));
    PanelRefresh();
}

void HostChar(std::uint32_t code)
{
    if (code < 32 || code > 127)
        return;
    const auto k = static_cast<std::int32_t>(code & ~KEY_MOD_SHIFT);
    HostDebug("WM_CHAR %08X %08X\n", code, static_cast<unsigned>(k));
    PanelPress(k);
    PanelRelease(k);
}

void HostMouseDown(std::int32_t x, std::int32_t y, const KeyMods& mods)
{
    PanelMouse& m = PanelMouseState;
    m.A = {x, y};
    if (mods.Shift && mods.Ctrl) {
        m.Capture = true;
        return;
    }
    if (PanelRegion* r = PanelHit(x, y)) {
        if (m.HeldKey >= 0 && IsPressed(m.HeldKey))
            PanelRelease(m.HeldKey);  // one pointer holds one key: a press without a release lets go of it
        PanelPress(r->Key);
        m.HeldKey = r->Key;
        PanelRefresh();
    } else if (PanelContains(PANEL_LCD_AREA, x, y)) {
        ToggleLcdViews();
    }
    m.Capture = false;
}

void HostMouseMove(std::int32_t x, std::int32_t y)
{
    char title[64];
    FormatText(title, sizeof(title), "Orvel Simulator (x:%3d y:%3d)", x, y);
    Host.Ui->SetMainTitle(title);
    if (PanelMouseState.Capture) {
        PanelMouseState.B = {x, y};
        Host.Ui->Repaint();
    }
}

void HostMouseUp(std::int32_t x, std::int32_t y, const KeyMods& mods)
{
    PanelMouse& m = PanelMouseState;
    if (m.Capture) {
        m.B = {x, y};
        Host.Ui->Repaint();
        OfferRegion();
        m.Capture = false;
        return;
    }
    if (mods.Ctrl) {
        KeepWithCtrl(m.HeldKey);
    } else {
        m.A = m.B;
        if (IsPressed(m.HeldKey))
            PanelRelease(m.HeldKey);
    }
    m.HeldKey = -1;
    PanelRefresh();
}

void HostPanelKeyDown(std::int32_t key)
{
    PanelRegion* r = RegionOfKey(key);
    if (!r)
        return;
    if (!r->Pressed)
        PanelPress(key);
    HoldersOf(*r) |= HeldDirectly;
    PanelRefresh();
}

void HostPanelKeyUp(std::int32_t key, const KeyMods& mods)
{
    PanelRegion* r = RegionOfKey(key);
    if (!r || !r->Pressed || !(HoldersOf(*r) & HeldDirectly))
        return;
    if (mods.Ctrl)
        KeepWithCtrl(key);
    else
        PanelRelease(key);
    PanelRefresh();
}

void HostFocusLost()
{
    PanelReleaseAll();
    PanelMouseState.HeldKey = -1;
    PanelRefresh();
}

void HostRightDown(std::int32_t x, std::int32_t y)
{
    if (!PanelContains(PANEL_LCD_AREA, x, y))
        return;
    Host.Ui->ShowLcdWindow(!Host.Ui->LcdWindowVisible());
    MsgLcdUpdate();
}

void HostLcdWindowMouseMove(std::int32_t x, std::int32_t y)
{
    char title[64];
    FormatText(title, sizeof(title), "LCD (%d x zoom) (x:%3d y:%3d)", 4, x / 4, y / 4);
    Host.Ui->SetLcdWindowTitle(title);
}

void HostLcdWindowHide()
{
    Host.Ui->ShowLcdWindow(false);
}

RgbPicture PanelShadedClient(std::uint32_t highlight)
{
    RgbPicture shaded = Host.Client;
    const PanelMouse& m = PanelMouseState;
    if (m.A.X == m.B.X && m.A.Y == m.B.Y)
        return shaded;
    const std::int32_t left = std::min(m.A.X, m.B.X);
    const std::int32_t right = std::max(m.A.X, m.B.X);
    const std::int32_t top = std::min(m.A.Y, m.B.Y);
    const std::int32_t bottom = std::max(m.A.Y, m.B.Y);
    for (std::int32_t y = std::max(top, 0); y < bottom && y < shaded.Height; ++y)
        for (std::int32_t x = std::max(left, 0); x < right && x < shaded.Width; ++x)
            if ((x + y) % 2 == 0)
                shaded.Set(x, y, highlight);
    return shaded;
}
