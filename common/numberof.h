#pragma once
#include <cstddef>
#include <iterator>

// The element count of a fixed array; index checks are written against it.
template <typename T, std::size_t N>
constexpr std::size_t numberof(const T (&array)[N])
{
    return std::size(array);
}
