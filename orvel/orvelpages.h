#pragma once
// The pages behind the recorder's destructive and long-running actions (formatting cards, erasing
// folders, factory defaults, setting memories, programming the link processor and the boot loader),
// the status texts standing for card and recording state, and the link diagnostics. The simulated
// recorder changes no stored data: each page walks through its prompts on STAR and shows its outcome.
#include <cstddef>
#include <cstdint>

#include "message/message.h"
#include "uicore/uimain.h"

// Confirmation pages; each counts its own steps.
extern UIPage EraseMirrorPage;
extern UIPage ErasePrimaryPage;
extern UIPage FactoryResetPage;
extern UIPage ClearFadersPage;
extern UIPage DeleteLastSegPage;
extern UIPage EraseFolderPage;
extern UIPage UsbStatusPage;
extern UIPage StoreToMirPage;
extern UIPage RecallFromMirPage;
extern UIPage BurnBootLoaderPage;
extern UIPage BurnKavlinSwPage;

// Setting memories 1 to 3; the store pages share one step and result, the recall pages another.
extern UIPage StoreMemory1Page;
extern UIPage StoreMemory2Page;
extern UIPage StoreMemory3Page;
extern UIPage RecallMemory1Page;
extern UIPage RecallMemory2Page;
extern UIPage RecallMemory3Page;

constexpr std::int32_t PRESET_BUSY = -1;  // a result while the memory is being written or read
constexpr std::int32_t PRESET_DONE = 0;   // any other result is an error number

extern std::int32_t StoreStep;
extern std::int32_t StoreResult;
extern std::int32_t RecallStep;
extern std::int32_t RecallResult;

extern UIPage AuxDevicePage;

// The texts that stand for the card and recording state.
enum StatusTextId : std::uint32_t {
    STATUS_FREE_SPACE = 0,
    STATUS_MIRRORING = 1,
    STATUS_REC_TIME = 2,
    STATUS_EMPTY = 3,
    STATUS_INT = 4,
    STATUS_NEXT = 5,
    STATUS_FOLDER = 6,    // the folder holding the last segment
    STATUS_LAST_SEG = 7,  // the last segment's number
};

// Copies at most size - 1 characters of the status text which.
void StatusText(char* buffer, std::uint32_t which, std::size_t size);

// Where a confirmation page stands in its walk (0 at its first prompt).
std::int32_t ConfirmStepOf(const UIPage* page);

// Handlers of the confirmation pages (one for all of them) and the memory pages.
std::uint32_t ConfirmPageHandler(void* self, Message* msg);
std::uint32_t StoreMemoryHandler(void* self, Message* msg);
std::uint32_t RecallMemoryHandler(void* self, Message* msg);
std::uint32_t AuxDeviceHandler(void* self, Message* msg);

// The simulated memories finish at once: the first step of a walk stores or recalls and reports done.
void PresetStore(std::int32_t n);
void PresetRecall();

// The "IFB DEBUG" page's link statistics, drawn into the LCD canvas.
void IfbDebugDraw();
