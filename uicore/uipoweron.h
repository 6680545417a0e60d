#pragma once
// Power-on state. The records and variables that change while the recorder runs (a page's focus and
// parent, a list's cursor, an editor's state, a module's counters) are kept here with the value they
// were built with, and UIRestorePowerOn puts every one of them back. A module keeps its state with
// one line beside the definitions, so that a new static list cannot be forgotten by a reset elsewhere:
//
//     const UIKeepsPowerOn KeptHomeState{HomeRunningTC, HomeBlink, PanMatrix};
#include <cstddef>
#include <type_traits>

// Copies the bytes of the record as they are now; every later UIRestorePowerOn writes them back.
void UIRememberPowerOn(void* record, std::size_t size);
void UIRestorePowerOn();

class UIKeepsPowerOn {
public:
    // Defined after the records it names, so that it sees their built values.
    template <typename... Records>
    explicit UIKeepsPowerOn(Records&... records)
    {
        static_assert((std::is_trivially_copyable_v<Records> && ...), "restored byte for byte");
        (UIRememberPowerOn(&records, sizeof(Records)), ...);
    }
    UIKeepsPowerOn(const UIKeepsPowerOn&) = delete;
    UIKeepsPowerOn& operator=(const UIKeepsPowerOn&) = delete;
};
