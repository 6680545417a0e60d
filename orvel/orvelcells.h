#pragma once
// Matrix cells kept by the device model. The routing and mix matrices store one byte per cell in
// rows of 12 (or 8); their hooks answer MSG_CELL_GET and MSG_CELL_SET with a UIMatrixCell. The enable
// tables are indexed by row x 8 + column; the home screen's pan table by column alone. All are zero
// after OrvelPowerOn.
#include <cstdint>

#include "message/message.h"

extern std::uint8_t CardMix1to4[12][12];
extern std::uint8_t CardMix1to4Ret[12][12];
extern std::uint8_t CardMix1to4Dig[12][12];
extern std::uint8_t CardMix5to8[12][12];
extern std::uint8_t CardMix5to8Ret[12][12];
extern std::uint8_t CardMix5to8Dig[12][12];
extern std::uint8_t CardMix9to12[12][12];
extern std::uint8_t CardMix9to12Ret[12][12];
extern std::uint8_t CardMix9to12Dig[12][12];
extern std::uint8_t OutMix[12][12];
extern std::uint8_t OutMixDig[12][12];
extern std::uint8_t OutMixRet[12][12];
extern std::uint8_t MirMix[2][12];  // the two pages that show the mirror enables share it
extern std::uint8_t AutoMixOut[8][8];
extern std::uint8_t FaderAssign[8][8];
extern std::uint32_t CompOut[8];
extern std::uint32_t CompCard[12];
extern std::uint8_t CardTone[12];
extern std::uint8_t CardSlate[12];
extern std::uint8_t CardCom[12];
extern std::uint32_t PanPos[10];  // 0 " ", 1 "L", 2 "C", 3 "R"


std::uint32_t CardMix1to4Hook(void* self, Message* msg);
std::uint32_t CardMix1to4RetHook(void* self, Message* msg);
std::uint32_t CardMix1to4DigHook(void* self, Message* msg);
std::uint32_t CardMix5to8Hook(void* self, Message* msg);
std::uint32_t CardMix5to8RetHook(void* self, Message* msg);
std::uint32_t CardMix5to8DigHook(void* self, Message* msg);
std::uint32_t CardMix9to12Hook(void* self, Message* msg);
std::uint32_t CardMix9to12RetHook(void* self, Message* msg);
std::uint32_t CardMix9to12DigHook(void* self, Message* msg);
std::uint32_t OutMixHook(void* self, Message* msg);
std::uint32_t OutMixDigHook(void* self, Message* msg);
std::uint32_t OutMixRetHook(void* self, Message* msg);
std::uint32_t MirMixHook(void* self, Message* msg);
std::uint32_t AutoMixHook(void* self, Message* msg);
std::uint32_t AutoMixOutHook(void* self, Message* msg);
std::uint32_t FaderAssignHook(void* self, Message* msg);

// The matrices of the current headphone memory, and its single "E" cell.
std::uint32_t HphUpperHook(void* self, Message* msg);
std::uint32_t HphLowerHook(void* self, Message* msg);
std::uint32_t HphKLinRowHook(void* self, Message* msg);
std::uint32_t HphUpper12Hook(void* self, Message* msg);
std::uint32_t HphLower12Hook(void* self, Message* msg);
std::uint32_t HphExtHook(void* self, Message* msg);

// "PRI" rows of "RECORD ENABLES" and "SAMPLE RATE": OrvelRecEnable.
std::uint32_t RecEnableHook(void* self, Message* msg);
// "ISO ATTEN ENABLE": one bit of IsoMask per card track.
std::uint32_t IsoMaskHook(void* self, Message* msg);
std::uint32_t CompOutHook(void* self, Message* msg);
std::uint32_t CompCardHook(void* self, Message* msg);
std::uint32_t CardToneHook(void* self, Message* msg);
std::uint32_t CardSlateHook(void* self, Message* msg);
std::uint32_t CardComHook(void* self, Message* msg);
// The home screen's pan matrix: focusable only in pan edit mode.
std::uint32_t PanPosHook(void* self, Message* msg);

// Moves the first pan position one up (dir >= 1) or down, wrapping within " ", "L", "C", "R".
void PanPosCycle(std::int32_t dir);
