#pragma once
// What differs between the recorder models beyond the track count: the input/output configuration
// of the audio interface, which input groups it switches on, and the "INPUT CONFIGURE" page.
#include <cstdint>

#include "message/message.h"

struct UIMatrix;

// Bits of a configuration: AES pairs, returns, analog 5/6 and the IFB input.
enum IOConfigBit : std::uint32_t {
    IO_AES_12 = 0x001,
    IO_AES_34 = 0x002,
    IO_AES_56 = 0x004,
    IO_AES_78 = 0x008,
    IO_RET_12 = 0x010,
    IO_RET_34 = 0x020,
    IO_ANALOG_56 = 0x040,
    IO_IFB = 0x100,
};

// Colour of a matrix column whose input the configuration switches off.
constexpr std::uint16_t COLOUR_UNAVAILABLE = 0x0017;

extern const std::uint32_t IOConfigTbl_AUDPLD14[16];

std::uint32_t OrvelIOConfigMask();
std::uint32_t OrvelIOConfigHas(std::uint32_t bits);
// n numbers the input columns of the routing matrices.
std::uint32_t OrvelInputAvailable(std::uint32_t n);

// "INPUT CONFIGURE": the page handler, which also serves the value of its "INPUT TYPE   " row.
std::uint32_t InputConfigPageHandler(void* self, Message* msg);

// Grey the columns whose inputs are switched off; each returns 0 so that the matrix goes on with MSG_REFRESH.
std::uint32_t ColourAnalogColumns(UIMatrix* matrix);
std::uint32_t ColourDigitalColumns(UIMatrix* matrix);
std::uint32_t ColourOutputReturnColumns(UIMatrix* matrix);
