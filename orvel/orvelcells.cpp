#include "orvel/orvelcells.h"

#include <cstring>

#include "common/debug.h"
#include "common/numberof.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "uicore/uimatrix.h"
#include "uicore/uipoweron.h"
#include "uicore/uiutils.h"

std::uint8_t CardMix1to4[12][12];
std::uint8_t CardMix1to4Ret[12][12];
std::uint8_t CardMix1to4Dig[12][12];
std::uint8_t CardMix5to8[12][12];
std::uint8_t CardMix5to8Ret[12][12];
std::uint8_t CardMix5to8Dig[12][12];
std::uint8_t CardMix9to12[12][12];
std::uint8_t CardMix9to12Ret[12][12];
std::uint8_t CardMix9to12Dig[12][12];
std::uint8_t OutMix[12][12];
std::uint8_t OutMixDig[12][12];
std::uint8_t OutMixRet[12][12];
std::uint8_t MirMix[2][12];
std::uint8_t AutoMixOut[8][8];
std::uint8_t FaderAssign[8][8];
std::uint32_t CompOut[8];
std::uint32_t CompCard[12];
std::uint8_t CardTone[12];
std::uint8_t CardSlate[12];
std::uint8_t CardCom[12];
std::uint32_t PanPos[10];

const UIKeepsPowerOn KeptCells{CardMix1to4, CardMix1to4Ret, CardMix1to4Dig, CardMix5to8, CardMix5to8Ret,
                               CardMix5to8Dig, CardMix9to12, CardMix9to12Ret, CardMix9to12Dig, OutMix, OutMixDig,
                               OutMixRet, MirMix, AutoMixOut, FaderAssign, CompOut, CompCard, CardTone, CardSlate,
                               CardCom, PanPos};

namespace {

constexpr std::uint32_t PAN_POSITIONS = 4;
constexpr std::uint32_t ISO_MASK_BITS = 16;

template <typename T>
void Clear(T& table)
{
    std::memset(&table, 0, sizeof(table));
}

// A matrix of one byte per cell, nrows x ncols, row-major.
template <std::size_t R, std::size_t C>
std::uint32_t ByteCells(std::uint8_t (&table)[R][C], Message* msg)
{
    auto* cell = MsgParamPtr<UIMatrixCell>(msg);
    switch (msg->Id) {
    case MSG_CELL_GET:
        UICellGetByte(&table[0][0], R, C, cell);
        return 1;
    case MSG_CELL_SET:
        UICellSetByte(&table[0][0], R, C, cell);
        return 1;
    default:
        return 0;
    }
}

// The entry of an enable table that a cell stands for: the tables count rows of eight.
bool CellIndex(const UIMatrixCell* cell, std::uint32_t bound, std::uint32_t* out)
{
    const std::uint32_t ncols = 8;
    if (!ASSERT(cell) || !ASSERT(cell->Col < ncols))
        return false;
    const std::uint32_t index = cell->Row * ncols + cell->Col;
    *out = index;
    return ASSERT(index < bound);
}

template <typename T, std::size_t N>
std::uint32_t GetEntry(const T (&table)[N], UIMatrixCell* cell)
{
    std::uint32_t index = 0;
    if (CellIndex(cell, N, &index))
        cell->Value = table[index];
    return 1;
}

template <typename T, std::size_t N>
std::uint32_t SetEntry(T (&table)[N], const UIMatrixCell* cell)
{
    std::uint32_t index = 0;
    if (CellIndex(cell, N, &index))
        table[index] = static_cast<T>(cell->Value);
    return 1;
}

template <typename T, std::size_t N>
std::uint32_t IndexedCells(T (&table)[N], Message* msg)
{
    switch (msg->Id) {
    case MSG_CELL_GET:
        return GetEntry(table, MsgParamPtr<UIMatrixCell>(msg));
    case MSG_CELL_SET:
        return SetEntry(table, MsgParamPtr<const UIMatrixCell>(msg));
    default:
        return 0;
    }
}

std::uint32_t IsoMaskGet(UIMatrixCell* cell)
{
    std::uint32_t bit = 0;
    if (CellIndex(cell, ISO_MASK_BITS, &bit))
        cell->Value = (Orvel.IsoMask >> bit) & 1U;
    return 1;
}

std::uint32_t IsoMaskSet(const UIMatrixCell* cell)
{
    std::uint32_t bit = 0;
    if (!CellIndex(cell, ISO_MASK_BITS, &bit))
        return 1;
    if (cell->Value)
        Orvel.IsoMask |= 1U << bit;
    else
        Orvel.IsoMask &= ~(1U << bit);
    return 1;
}

// The pan table has one row: the column alone chooses the entry.
std::uint32_t PanPosGet(UIMatrixCell* cell)
{
    if (ASSERT(cell) && ASSERT(cell->Col < numberof(PanPos)))
        cell->Value = PanPos[cell->Col];
    return 1;
}

std::uint32_t PanPosSet(const UIMatrixCell* cell)
{
    if (ASSERT(cell) && ASSERT(cell->Col < numberof(PanPos)))
        PanPos[cell->Col] = cell->Value;
    return 1;
}

std::uint32_t HphExtGet(UIMatrixCell* cell)
{
    if (ASSERT(cell))
        cell->Value = OrvelHphMonCurrent()->Ext;
    return 1;
}

std::uint32_t HphExtSet(const UIMatrixCell* cell)
{
    if (ASSERT(cell))
        OrvelHphMonCurrent()->Ext = static_cast<std::uint8_t>(cell->Value);
    return 1;
}

}  // namespace

std::uint32_t CardMix1to4Hook(void*, Message* msg)
{
    return ByteCells(CardMix1to4, msg);
}

std::uint32_t CardMix1to4RetHook(void*, Message* msg)
{
    return ByteCells(CardMix1to4Ret, msg);
}

std::uint32_t CardMix1to4DigHook(void*, Message* msg)
{
    return ByteCells(CardMix1to4Dig, msg);
}

std::uint32_t CardMix5to8Hook(void*, Message* msg)
{
    return ByteCells(CardMix5to8, msg);
}

std::uint32_t CardMix5to8RetHook(void*, Message* msg)
{
    return ByteCells(CardMix5to8Ret, msg);
}

std::uint32_t CardMix5to8DigHook(void*, Message* msg)
{
    return ByteCells(CardMix5to8Dig, msg);
}

std::uint32_t CardMix9to12Hook(void*, Message* msg)
{
    return ByteCells(CardMix9to12, msg);
}

std::uint32_t CardMix9to12RetHook(void*, Message* msg)
{
    return ByteCells(CardMix9to12Ret, msg);
}

std::uint32_t CardMix9to12DigHook(void*, Message* msg)
{
    return ByteCells(CardMix9to12Dig, msg);
}

std::uint32_t OutMixHook(void*, Message* msg)
{
    return ByteCells(OutMix, msg);
}

std::uint32_t OutMixDigHook(void*, Message* msg)
{
    return ByteCells(OutMixDig, msg);
}

std::uint32_t OutMixRetHook(void*, Message* msg)
{
    return ByteCells(OutMixRet, msg);
}

std::uint32_t MirMixHook(void*, Message* msg)
{
    return ByteCells(MirMix, msg);
}

std::uint32_t AutoMixHook(void*, Message* msg)
{
    return ByteCells(AutoMix, msg);
}

std::uint32_t AutoMixOutHook(void*, Message* msg)
{
    return ByteCells(AutoMixOut, msg);
}

std::uint32_t FaderAssignHook(void*, Message* msg)
{
    return ByteCells(FaderAssign, msg);
}

std::uint32_t HphUpperHook(void*, Message* msg)
{
    return ByteCells(OrvelHphMonCurrent()->Upper, msg);
}

std::uint32_t HphLowerHook(void*, Message* msg)
{
    return ByteCells(OrvelHphMonCurrent()->Lower, msg);
}

std::uint32_t HphKLinRowHook(void*, Message* msg)
{
    return ByteCells(OrvelHphMonCurrent()->KLinRow, msg);
}

std::uint32_t HphUpper12Hook(void*, Message* msg)
{
    return ByteCells(OrvelHphMonCurrent()->Upper12, msg);
}

std::uint32_t HphLower12Hook(void*, Message* msg)
{
    return ByteCells(OrvelHphMonCurrent()->Lower12, msg);
}

std::uint32_t HphExtHook(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_CELL_GET:
        return HphExtGet(MsgParamPtr<UIMatrixCell>(msg));
    case MSG_CELL_SET:
        return HphExtSet(MsgParamPtr<const UIMatrixCell>(msg));
    default:
        return 0;
    }
}

std::uint32_t RecEnableHook(void*, Message* msg)
{
    return IndexedCells(OrvelRecEnable, msg);
}

std::uint32_t IsoMaskHook(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_CELL_GET:
        return IsoMaskGet(MsgParamPtr<UIMatrixCell>(msg));
    case MSG_CELL_SET:
        return IsoMaskSet(MsgParamPtr<const UIMatrixCell>(msg));
    default:
        return 0;
    }
}

std::uint32_t CompOutHook(void*, Message* msg)
{
    return IndexedCells(CompOut, msg);
}

std::uint32_t CompCardHook(void*, Message* msg)
{
    return IndexedCells(CompCard, msg);
}

std::uint32_t CardToneHook(void*, Message* msg)
{
    return IndexedCells(CardTone, msg);
}

std::uint32_t CardSlateHook(void*, Message* msg)
{
    return IndexedCells(CardSlate, msg);
}

std::uint32_t CardComHook(void*, Message* msg)
{
    return IndexedCells(CardCom, msg);
}

std::uint32_t PanPosHook(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_CELL_GET:
        return PanPosGet(MsgParamPtr<UIMatrixCell>(msg));
    case MSG_CELL_SET:
        return PanPosSet(MsgParamPtr<const UIMatrixCell>(msg));
    case MSG_IS_FOCUSABLE:
        msg->Param = Orvel.Settings.PanEdit;
        return 1;
    default:
        return 0;
    }
}

void PanPosCycle(std::int32_t dir)
{
    const std::uint32_t step = dir >= 1 ? 1 : PAN_POSITIONS - 1;
    PanPos[0] = (PanPos[0] + step) % PAN_POSITIONS;
}
