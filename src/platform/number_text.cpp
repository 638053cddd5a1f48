#include "platform/number_text.h"

size_t FormatNumber(char* out, size_t size, int64_t value) {
    // Digits are built backwards from the magnitude as unsigned, so the most
    // negative value needs no special case.
    char digits[kNumberTextSize];
    size_t count = 0;
    uint64_t magnitude = value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[count++] = '-';

    if (out != nullptr && size > 0) {
        size_t written = 0;
        while (written + 1 < size && written < count) {
            out[written] = digits[count - 1 - written];
            ++written;
        }
        out[written] = '\0';
    }
    return count;
}
