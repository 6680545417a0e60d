#pragma once
// The pages "BUS ROUTING" opens: the output bus assign and the four "CARD MIX" chains (three matrix
// pages each, BUS leading from one to the next), the single bus pages and the card enables.
// "BUS ROUTING" itself stands with the other pages the global keys open (ui/uipages.h).
#include <cstdint>

#include "message/message.h"
#include "ui/uivalues.h"
#include "uicore/uimain.h"
#include "uicore/uimatrix.h"

// Output bus assign (untitled): analog inputs, aux inputs, digital inputs.
extern UIPage BusAssignAnalogPage;
extern UIPage BusAssignAuxPage;
extern UIPage BusAssignDigitalPage;

// "CARD MIX 1-4", "CARD MIX 5-8", "CARD MIX 9-10", "CARD MIX 9-12": analog, aux and digital inputs.
extern UIPage CardMix1to4Page;
extern UIPage CardMix1to4AuxPage;
extern UIPage CardMix1to4DigitalPage;
extern UIPage CardMix5to8Page;
extern UIPage CardMix5to8AuxPage;
extern UIPage CardMix5to8DigitalPage;
extern UIPage CardMix9to10Page;
extern UIPage CardMix9to10AuxPage;
extern UIPage CardMix9to10DigitalPage;
extern UIPage CardMix9to12Page;
extern UIPage CardMix9to12AuxPage;
extern UIPage CardMix9to12DigitalPage;

// The single bus pages (untitled): "MONO OUT", "TAPE/IFB OUT", "HEADPHONE 2".
extern UIPage MonoOutPage;
extern UIPage TapeIfbOutPage;
extern UIPage Headphone2Page;

// "CARD TONE ENABLE", "CARD SLATE ENABLE", "CARD COM ENABLE".
extern UIPage CardToneEnablePage;
extern UIPage CardSlateEnablePage;
extern UIPage CardComEnablePage;

// What the bus pages and the mix pages share.
extern const UIOptions<5> RoutingOptions;  // " ", "X", "/X", "P", "/P"

// STAR toggles the model's STAR flag; BUS opens next, when there is one and it opens. Otherwise BUS
// is left to its short press, which returns to "BUS ROUTING".
std::uint32_t BusPageKey(std::uint32_t key, UIPage* next);

// A bus page: next is the page BUS opens; a page whose condition answers MSG_IS_VISIBLE with 0
// refuses to open.
template <UIPage* Next = nullptr, MsgHandler Condition = UINullHandler>
std::uint32_t BusPageHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_IS_VISIBLE:
        return Condition(self, msg);
    case MSG_KEY_DOWN:
        return BusPageKey(MsgParamUnsigned(msg), Next);
    default:
        return 0;
    }
}

// A routing matrix: the cells of the columns "S", "T", "C" and "TC" are only on or off.
std::uint32_t RoutingMatrixHandler(void* self, Message* msg);

// Greys the columns whose inputs the configuration switches off, from black again on every refresh,
// so that a column comes back with its input.
void GreyColumns(UIMatrix* matrix, std::uint32_t (*grey)(UIMatrix*));

template <std::uint32_t (*Grey)(UIMatrix*)>
std::uint32_t GreyedMatrixHandler(void* self, Message* msg)
{
    if (msg->Id == MSG_REFRESH)
        GreyColumns(static_cast<UIMatrix*>(self), Grey);
    return RoutingMatrixHandler(self, msg);
}
