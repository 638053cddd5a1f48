#pragma once
#include <cstdint>

class DataBlob;
struct HallOfFameRecord;

// "Saves\HallOfFame.save": a DataBlob of 600 bytes read as 150 words: the
// five values, the five used flags, then the five names of 21 cells each.
namespace hall_of_fame_file {

constexpr const char* kPath = "Saves\\HallOfFame.save";
constexpr uint32_t kBodyBytes = 600;
constexpr uint32_t kValuesWord = 0;
constexpr uint32_t kUsedWord = 5;
constexpr uint32_t kNamesWord = 20;

void Encode(const HallOfFameRecord& table, uint8_t* body);
// Takes a body into the table when it has the right length, the used flags
// are 0 or 1 with the used entries first, and every name cell is a glyph of
// the name font. Otherwise false and the table is untouched.
bool Decode(const uint8_t* body, uint32_t size, HallOfFameRecord& table);
// Reads the file through the blob; a missing or damaged file gives the
// empty table. True when the file was read and accepted.
bool Read(DataBlob& blob, HallOfFameRecord& table);

}  // namespace hall_of_fame_file
