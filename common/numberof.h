#pragma once
#include <concepts>
#include <cstddef>
#include <iterator>
#include <utility>

// The element count of a fixed array, as index checks are written: "index < numberof(array)".
// It compares with signed and unsigned indices alike, a negative index being out of range.
struct ElementCount {
    std::size_t Count;

    constexpr operator std::size_t() const { return Count; }

    template <std::integral I>
    friend constexpr bool operator<(I index, ElementCount n)
    {
        return std::cmp_less(index, n.Count);
    }

    template <std::integral I>
    friend constexpr bool operator<=(I index, ElementCount n)
    {
        return std::cmp_less_equal(index, n.Count);
    }
};

template <typename T, std::size_t N>
constexpr ElementCount numberof(const T (&array)[N])
{
    return {std::size(array)};
}
