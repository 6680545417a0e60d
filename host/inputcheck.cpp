#include "host/inputcheck.h"

#include <cstdio>

namespace {

bool IsControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

// The second byte's range narrows for the leads whose sequences would be overlong, surrogates or
// beyond U+10FFFF.
struct Utf8Lead {
    unsigned char First, Last;  // the leads
    std::size_t Length;
    unsigned char SecondFirst, SecondLast;
};

constexpr Utf8Lead Utf8LeadTbl[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

bool InRange(std::string_view text, std::size_t at, unsigned char first, unsigned char last)
{
    const auto c = at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
    return c >= first && c <= last;
}

}  // namespace

std::size_t Utf8SequenceAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return 1;
    for (const Utf8Lead& u : Utf8LeadTbl) {
        if (lead < u.First || lead > u.Last)
            continue;
        if (!InRange(text, at + 1, u.SecondFirst, u.SecondLast))
            return 0;
        for (std::size_t i = 2; i < u.Length; ++i)
            if (!InRange(text, at + i, 0x80, 0xBF))
                return 0;
        return u.Length;
    }
    return 0;
}

std::string HexByte(char c)
{
    char text[8];
    std::snprintf(text, sizeof(text), "0x%02X", static_cast<unsigned char>(c));
    return text;
}

std::string Excerpt(std::string_view word)
{
    std::string excerpt;
    std::size_t at = 0;
    for (std::size_t chars = 0; at < word.size() && chars < MAX_EXCERPT_CHARS; ++chars) {
        const std::size_t length = Utf8SequenceAt(word, at);
        if (length == 0 || IsControl(static_cast<unsigned char>(word[at])))
            excerpt += '?';
        else
            excerpt.append(word.substr(at, length));
        at += length == 0 ? 1 : length;
    }
    return at < word.size() ? excerpt + "..." : excerpt;
}

std::string Quoted(std::string_view word)
{
    return "'" + Excerpt(word) + "'";
}

std::string NameError(std::string_view what, std::string_view name)
{
    for (const char c : name) {
        if (IsControl(static_cast<unsigned char>(c)))
            return std::string(what) + " " + Quoted(name) + " holds the control byte " + HexByte(c);
    }
    if (name.size() > MAX_NAME_BYTES)
        return std::string(what) + " " + Quoted(name) + " is longer than " + std::to_string(MAX_NAME_BYTES) + " bytes";
    return {};
}

std::string RangeError(std::string_view name, std::string_view word, std::string_view what, long long min,
                       long long max)
{
    const std::string subject = what.empty() ? std::string("must be") : std::string(what) + " must be";
    return std::string(name) + " " + Excerpt(word) + ": " + subject + " " + std::to_string(min) + " to " +
           std::to_string(max);
}
