#include "uicore/uitextops.h"

#include <cstddef>
#include <cstring>

#include "common/debug.h"

namespace {

constexpr std::size_t MAX_DROP_MOVE = 200;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Position of the last letter or digit, -1 when there is none.
std::int32_t LastLetterOrDigit(const char* text)
{
    for (auto i = static_cast<std::int32_t>(std::strlen(text)) - 1; i >= 0; --i)
        if (IsLetter(text[i]) || IsDigit(text[i]))
            return i;
    return -1;
}

// A number written with leading zeros in two to four digits (09, 099, 0999) keeps its width.
bool KeepsWidth(const char* digits, std::size_t count)
{
    return digits[0] == '0' && count >= 2 && count <= 4;
}

// Replaces everything from first on with the number of the digits first..last plus one. Counting
// digit by digit keeps any length of number exact.
void WriteNextNumber(char* text, std::size_t first, std::size_t last)
{
    if (!KeepsWidth(text + first, last - first + 1)) {
        std::size_t significant = first;
        while (significant < last && text[significant] == '0')
            ++significant;
        std::memmove(text + first, text + significant, last - significant + 1);
        last -= significant - first;
    }
    text[last + 1] = 0;
    std::size_t i = last + 1;
    while (i > first && text[i - 1] == '9')
        text[--i] = '0';
    if (i > first) {
        ++text[i - 1];
        return;
    }
    // all nines: the number grows by one digit (the terminating zero moves along)
    std::memmove(text + first + 1, text + first, last - first + 2);
    text[first] = '1';
}

}  // namespace

void UITextIncrement(char* text, std::uint32_t max)
{
    if (!ASSERT(text))
        return;
    if (!text[0]) {
        if (max > 0)
            std::strcpy(text, "1");
        return;
    }
    UITextTrimRight(text);
    const std::size_t length = std::strlen(text);
    std::int32_t last = LastLetterOrDigit(text);
    if (length > max || last < 0)
        return;
    if (IsLetter(text[last])) {
        if (text[last] != 'Z' && text[last] != 'z')
            ++text[last];
        return;
    }
    if (length == max && text[last] == '9') {
        // a name that is only its number has nothing to give up for the carry
        if (last == 0)
            return;
        UITextDropFirst(text);
        --last;
    }
    std::int32_t first = last;
    while (first > 0 && IsDigit(text[first - 1]))
        --first;
    WriteNextNumber(text, static_cast<std::size_t>(first), static_cast<std::size_t>(last));
}

void UITextTrimRight(char* text)
{
    if (!ASSERT(text))
        return;
    std::size_t length = std::strlen(text);
    while (length > 1 && text[length - 1] == ' ')
        --length;
    text[length] = 0;
}

void UITextDropFirst(char* text)
{
    if (!ASSERT(text))
        return;
    for (std::size_t i = 0; i < MAX_DROP_MOVE && text[i]; ++i)
        text[i] = text[i + 1];
}
