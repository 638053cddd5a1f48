#pragma once
#include <cstddef>
#include <cstdint>

// Numbers on screen are plain decimal text ("-12", "4294967295"). Values are
// taken as 64-bit so that unsigned 32-bit amounts never show as negative, and
// the text never runs past its buffer.

// Room for any 64-bit value: "-9223372036854775808" and the terminator.
inline constexpr size_t kNumberTextSize = 21;

// Writes value into out (size bytes, terminator included). When the text does
// not fit it is cut short, still terminated, and the full length is returned so
// that the caller can tell; size 0 writes nothing.
size_t FormatNumber(char* out, size_t size, int64_t value);

// The form the screens use: a char array that holds any value whole.
template <size_t N>
size_t FormatNumber(char (&out)[N], int64_t value) {
    static_assert(N >= kNumberTextSize, "number text buffer too small for a 64-bit value");
    return FormatNumber(out, N, value);
}
