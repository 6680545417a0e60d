#pragma once
// The rules every front end applies to what a user hands it (option values, names and numbers in a
// script): a message quotes only a short, printable excerpt of a bad word, names hold no control
// bytes, and numbers say their range.
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t MAX_EXCERPT_CHARS = 40;
constexpr std::size_t MAX_NAME_BYTES = 4096;  // the longest path the system takes

// The length of the well-formed UTF-8 sequence that starts at text[at], or 0 when none does there.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t at);

// "0x01": how a message shows a byte that may not be printed.
std::string HexByte(char c);

// The first MAX_EXCERPT_CHARS characters of the word, then "..." when there are more; control bytes
// and bytes that are not UTF-8 show as '?', so nothing a terminal acts on reaches it.
std::string Excerpt(std::string_view word);
// The excerpt in single quotes.
std::string Quoted(std::string_view word);

// Why the name (of a file, folder or page) cannot be taken: a control byte, shown as 0xNN, or more
// than MAX_NAME_BYTES bytes; "" when it can. what says which name it is ("--out", "file name").
std::string NameError(std::string_view what, std::string_view name);

// "NAME WORD: WHAT must be MIN to MAX"; what may be empty.
std::string RangeError(std::string_view name, std::string_view word, std::string_view what, long long min,
                       long long max);

// The word as a whole number from min to max into value; otherwise the message that says the range.
template <typename T>
std::string ParseInRange(std::string_view name, std::string_view word, std::string_view what, T min, T max, T& value)
{
    T parsed{};
    const char* end = word.data() + word.size();
    const auto [last, error] = std::from_chars(word.data(), end, parsed);
    if (!word.empty() && error == std::errc{} && last == end && parsed >= min && parsed <= max) {
        value = parsed;
        return {};
    }
    return RangeError(name, word, what, static_cast<long long>(min), static_cast<long long>(max));
}
