#pragma once
// Model hooks of lists and texts: the names of the headphone memories, the Skypost address book,
// the current folder's name, and the folders of each drive that the folder lists show.
#include <cstdint>

#include "message/message.h"

// Rows of "MON MEM NAMES": the first memories of the fourteen.
constexpr std::uint32_t HPcount = 12;

// "MON MEM NAMES", a UIList whose own handler offers it every message first (self is the list).
// Choosing a row opens the text editor on that memory's name, through the list itself.
std::uint32_t HphNameListHook(void* self, Message* msg);
// The name of the current headphone memory.
std::uint32_t HphMemNameHook(void* self, Message* msg);

// The current address row of "SKYPOST": steps through the ten entries and shows the chosen one.
std::uint32_t SkypostAddressHook(void* self, Message* msg);
// "DELETE ADDRESS": empties the chosen entry.
std::uint32_t DeleteAddressHook(void* self, Message* msg);
// "ADD ADDRESS MENU": edits the entry chosen when the page is entered.
std::uint32_t AddAddressPageHook(void* self, Message* msg);
std::uint32_t AddressNameHook(void* self, Message* msg);
std::uint32_t AddressAddressHook(void* self, Message* msg);
std::uint32_t AddressAuxDataHook(void* self, Message* msg);

// "EDIT CURRENT FOLDER NAME:" of "PRIMARY CF". A new name is stored and the message goes on (the hook
// returns 0), so that the row keeps its own copy too.
std::uint32_t FolderNameHook(void* self, Message* msg);

// Drives: 0 the primary card, DRIVE_MIRROR the mirror card; each has a current folder.
constexpr std::uint32_t DRIVE_PRIMARY = 0;
constexpr std::uint32_t DRIVE_MIRROR = 2;
// Rows of a drive's folder list; the primary card's table holds fewer folders, the rows beyond it are empty.
constexpr std::uint32_t DRIVE_FOLDER_ROWS = 50;

struct DriveFolderDetails {
    char Name[32];         // empty for a folder beyond the primary card's table
    std::uint32_t Size;    // kilobytes
    std::uint32_t NSegs;
};

std::uint32_t DriveFolderGet(std::uint32_t drive);
void DriveFolderSet(std::uint32_t drive, std::uint32_t folder);
// A folder below 1 stands for the drive's current folder.
DriveFolderDetails DriveFolderInfo(std::uint32_t drive, std::int32_t folder);
