#include "uicore/uipoweron.h"

#include <array>
#include <cstring>

#include "common/debug.h"

namespace {

struct KeptRecord {
    void* Record;
    std::size_t Offset;  // of the power-on bytes in the store
    std::size_t Size;
};

// Filled before main by the static keepers; constant-initialised, so they find it ready.
constexpr std::size_t MAX_KEPT_RECORDS = 512;
constexpr std::size_t MAX_KEPT_BYTES = 64 * 1024;
std::array<KeptRecord, MAX_KEPT_RECORDS> Kept;
std::size_t NKept;
std::array<unsigned char, MAX_KEPT_BYTES> PowerOnBytes;
std::size_t NBytes;

}  // namespace

void UIRememberPowerOn(void* record, std::size_t size)
{
    if (!ASSERT(NKept < Kept.size()) || !ASSERT(size <= PowerOnBytes.size() - NBytes))
        return;
    std::memcpy(&PowerOnBytes[NBytes], record, size);
    Kept[NKept++] = {.Record = record, .Offset = NBytes, .Size = size};
    NBytes += size;
}

void UIRestorePowerOn()
{
    for (std::size_t i = 0; i < NKept; ++i)
        std::memcpy(Kept[i].Record, &PowerOnBytes[Kept[i].Offset], Kept[i].Size);
}
