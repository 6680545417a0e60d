#include "host/keyboard.h"

#include <string_view>

namespace {

constexpr std::string_view ShiftedDigits = ")!@#$%^&*(";  // above 0 to 9

struct PunctuationKey {
    std::string_view Chars;  // unshifted and shifted
    int VirtualKey;
};

// Codes above 127, so that Ctrl and Alt with them make no recorder key, as on the desktop.
constexpr PunctuationKey PunctuationTbl[] = {
    {";:", 186}, {"=+", 187}, {",<", 188}, {"-_", 189},  {".>", 190},  {"/?", 191},
    {"`~", 192}, {"[{", 219}, {"\\|", 220}, {"]}", 221}, {"'\"", 222},
};

}  // namespace

int VirtualKeyOfChar(char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ')
        return c;
    if (const std::size_t digit = ShiftedDigits.find(c); digit != std::string_view::npos)
        return static_cast<int>('0' + digit);
    for (const PunctuationKey& key : PunctuationTbl)
        if (key.Chars.find(c) != std::string_view::npos)
            return key.VirtualKey;
    return 0;
}
