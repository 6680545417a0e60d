#include "orvel/orvellisthooks.h"

#include <algorithm>
#include <cstddef>

#include "common/debug.h"
#include "common/format.h"
#include "common/numberof.h"
#include "orvel/orvel.h"
#include "uicore/uicontrols.h"
#include "uicore/uilist.h"
#include "uicore/uitextedit.h"

namespace {

constexpr std::uint32_t FOLDER_NAME_WIDTH = 10;
constexpr std::uint32_t BYTES_PER_KILOBYTE = 1000;
// What the drives other than the primary card report for a folder, beside its name.
constexpr std::uint32_t OTHER_DRIVE_SIZE_BASE = 200;
constexpr std::uint32_t OTHER_DRIVE_SEGS_BASE = 20;
constexpr std::uint32_t KB_PER_MB = 1000;

std::uint32_t Answer(Message* msg, std::int64_t value)
{
    msg->Param = static_cast<MsgParam>(value);
    return 1;
}

// A text field of the device state edited with the text editor: as many characters as it holds.
template <std::size_t N>
std::uint32_t TextField(char (&field)[N], Message* msg)
{
    switch (msg->Id) {
    case MSG_TEXT_GET:
        FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", field);
        return 1;
    case MSG_TEXT_SET:
        FormatText(field, N, "%s", MsgParamPtr<const char>(msg));
        return 1;
    case MSG_FIELD_WIDTH:
        return Answer(msg, N - 1);
    default:
        return 0;
    }
}

HphMonMem& RowMemory(const UIList* list)
{
    if (!ASSERT(list) || !ASSERT(list->Index < HPcount))
        return Orvel.HphMon.Mem[0];
    return Orvel.HphMon.Mem[list->Index];
}

std::uint32_t HphNameRow(UIListRowText* item)
{
    if (!ASSERT(item) || !ASSERT(item->Text) || !ASSERT(item->Index < HPcount))
        return 1;
    const auto number = static_cast<int>(item->Index + 1);
    FormatText(item->Text, MAX_UI_TEXT, "%2d: %s", number, Orvel.HphMon.Mem[item->Index].Name);
    return 1;
}

// The chosen row becomes the list's cursor row, whose name the text editor then asks the list for.
std::uint32_t HphNameSelect(UIList* list, std::uint32_t index)
{
    if (!ASSERT(list) || !ASSERT(index < HPcount))
        return 1;
    UIListSetIndex(list, index);
    UITextEditOpen(list);
    return 1;
}

SkypostAddress& ChosenAddress()
{
    if (!ASSERT(Orvel.Skypost.Index < numberof(Orvel.Skypost.Address)))
        return Orvel.Skypost.Address[0];
    return Orvel.Skypost.Address[Orvel.Skypost.Index];
}

SkypostAddress& EditedAddress()
{
    if (!ASSERT(Orvel.Skypost.EditIndex < numberof(Orvel.Skypost.Address)))
        return Orvel.Skypost.Address[0];
    return Orvel.Skypost.Address[Orvel.Skypost.EditIndex];
}

std::uint32_t SkypostChoose(std::int64_t index)
{
    const std::int64_t last = static_cast<std::int64_t>(numberof(Orvel.Skypost.Address)) - 1;
    Orvel.Skypost.Index = static_cast<std::uint32_t>(std::clamp<std::int64_t>(index, 0, last));
    return 1;
}

std::uint32_t SkypostText(char* text)
{
    const SkypostAddress& entry = ChosenAddress();
    const auto number = static_cast<int>(Orvel.Skypost.Index + 1);
    if (entry.Name[0])
        FormatText(text, MAX_UI_TEXT, "%d: %s\n", number, entry.Name);
    else
        FormatText(text, MAX_UI_TEXT, "%d: empty\n", number);
    return 1;
}

std::uint32_t DeleteChosenAddress()
{
    ChosenAddress() = {};
    return 1;
}

bool CurrentFolderValid()
{
    const std::uint32_t fnum = Orvel.FolderNum;
    return ASSERT((fnum>=1) && (fnum < numberof(Orvel.Folder)));
}

std::uint32_t CurrentFolderName(char* text)
{
    if (CurrentFolderValid())
        FormatText(text, MAX_UI_TEXT, "%s", OrvelFolderInfo(Orvel.FolderNum).Name);
    return 1;
}

// The stored name is printed with the folder number, so a '%' of the new name is stored doubled.
void RenameCurrentFolder(const char* text)
{
    if (!CurrentFolderValid())
        return;
    char(&name)[sizeof(OrvelFolder::Name)] = Orvel.Folder[Orvel.FolderNum].Name;
    std::size_t out = 0;
    for (const char* p = text; *p && out + 2 < sizeof(name); ++p) {
        if (*p == '%')
            name[out++] = '%';
        name[out++] = *p;
    }
    name[out] = 0;
}

// Folders beyond the card's table are listed empty.
DriveFolderDetails PrimaryFolder(std::uint32_t folder)
{
    DriveFolderDetails details{};
    if (folder >= numberof(Orvel.Folder))
        return details;
    const OrvelFolderDetails info = OrvelFolderInfo(folder);
    FormatText(details.Name, sizeof(details.Name), "%s", info.Name);
    details.Size = static_cast<std::uint32_t>(info.Bytes / BYTES_PER_KILOBYTE);
    details.NSegs = info.NSegs;
    return details;
}

DriveFolderDetails OtherFolder(std::uint32_t folder)
{
    DriveFolderDetails details{};
    FormatText(details.Name, sizeof(details.Name), "Z%03d", static_cast<int>(folder));
    details.Size = (folder + OTHER_DRIVE_SIZE_BASE) * KB_PER_MB;  // made-up sizes of whole megabytes
    details.NSegs = folder + OTHER_DRIVE_SEGS_BASE;
    return details;
}

}  // namespace

std::uint32_t HphNameListHook(void* self, Message* msg)
{
    auto* list = static_cast<UIList*>(self);
    switch (msg->Id) {
    case MSG_LIST_COUNT:
        return Answer(msg, HPcount);
    case MSG_LIST_ROW_TEXT:
        return HphNameRow(MsgParamPtr<UIListRowText>(msg));
    case MSG_LIST_SELECT:
        return HphNameSelect(list, MsgParamUnsigned(msg));
    case MSG_TEXT_GET:
    case MSG_TEXT_SET:
    case MSG_FIELD_WIDTH:
        return TextField(RowMemory(list).Name, msg);
    default:
        return 0;
    }
}

std::uint32_t HphMemNameHook(void*, Message* msg)
{
    if (msg->Id != MSG_TEXT_GET)
        return 0;
    FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", OrvelHphMonName(OrvelHphMonCurrent()->Index));
    return 1;
}

std::uint32_t SkypostAddressHook(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_VALUE_GET:
        return Answer(msg, Orvel.Skypost.Index);
    case MSG_VALUE_SET:
        return SkypostChoose(MsgParamInt(msg));
    case MSG_VALUE_STEP:
        return SkypostChoose(static_cast<std::int64_t>(Orvel.Skypost.Index) + MsgParamInt(msg));
    case MSG_TEXT_GET:
        return SkypostText(MsgParamPtr<char>(msg));
    case MSG_VALUE_COUNT:
        return Answer(msg, numberof(Orvel.Skypost.Address));
    default:
        return 0;
    }
}

std::uint32_t DeleteAddressHook(void*, Message* msg)
{
    return msg->Id == MSG_ACTIVATE ? DeleteChosenAddress() : 0;
}

std::uint32_t AddAddressPageHook(void*, Message* msg)
{
    if (msg->Id == MSG_PAGE_ENTER)
        Orvel.Skypost.EditIndex = Orvel.Skypost.Index;
    return 0;
}

std::uint32_t AddressNameHook(void*, Message* msg)
{
    return TextField(EditedAddress().Name, msg);
}

std::uint32_t AddressAddressHook(void*, Message* msg)
{
    return TextField(EditedAddress().Address, msg);
}

std::uint32_t AddressAuxDataHook(void*, Message* msg)
{
    return TextField(EditedAddress().AuxData, msg);
}

std::uint32_t FolderNameHook(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_TEXT_GET:
        return CurrentFolderName(MsgParamPtr<char>(msg));
    case MSG_TEXT_SET:
        RenameCurrentFolder(MsgParamPtr<const char>(msg));
        return 0;
    case MSG_FIELD_WIDTH:
        return Answer(msg, FOLDER_NAME_WIDTH);
    default:
        return 0;
    }
}

std::uint32_t DriveFolderGet(std::uint32_t drive)
{
    if (!ASSERT(drive < numberof(Orvel.DriveFolder)))
        return 0;
    return Orvel.DriveFolder[drive];
}

void DriveFolderSet(std::uint32_t drive, std::uint32_t folder)
{
    if (ASSERT(drive < numberof(Orvel.DriveFolder)))
        Orvel.DriveFolder[drive] = folder;
}

DriveFolderDetails DriveFolderInfo(std::uint32_t drive, std::int32_t folder)
{
    if (!ASSERT(drive < numberof(Orvel.DriveFolder)))
        return {};
    const std::uint32_t n = folder < 1 ? Orvel.DriveFolder[drive] : static_cast<std::uint32_t>(folder);
    return drive == DRIVE_PRIMARY ? PrimaryFolder(n) : OtherFolder(n);
}
