#include "shell/hall_of_fame_file.h"

#include <cstring>

#include "platform/data_blob.h"
#include "shell/game_state.h"
#include "shell/save_file.h"

namespace hall_of_fame_file {
namespace {
constexpr int kEntries = HallOfFameRecord::kEntryCount;
constexpr int kCells = HallOfFameRecord::kNameCells;
constexpr uint32_t kLastGlyph = 99;

uint32_t NameWord(int entry, int cell) { return kNamesWord + static_cast<uint32_t>(entry * kCells + cell); }

bool Fits(const uint8_t* body) {
    bool freeSeen = false;
    for (int e = 0; e < kEntries; ++e) {
        const uint32_t used = save_file::ReadWord(body, kUsedWord + e);
        if (used > 1 || (used == 1 && freeSeen)) return false;
        freeSeen = freeSeen || used == 0;
        for (int c = 0; c < kCells; ++c) {
            if (save_file::ReadWord(body, NameWord(e, c)) > kLastGlyph) return false;
        }
    }
    return true;
}
}  // namespace

void Encode(const HallOfFameRecord& table, uint8_t* body) {
    std::memset(body, 0, kBodyBytes);
    for (int e = 0; e < kEntries; ++e) {
        save_file::WriteWord(body, kValuesWord + e, static_cast<uint32_t>(table.values[e]));
        save_file::WriteWord(body, kUsedWord + e, table.used[e]);
        for (int c = 0; c < kCells; ++c) save_file::WriteWord(body, NameWord(e, c), table.names[e][c]);
    }
}

bool Decode(const uint8_t* body, uint32_t size, HallOfFameRecord& table) {
    if (!body || size != kBodyBytes || !Fits(body)) return false;
    for (int e = 0; e < kEntries; ++e) {
        table.values[e] = static_cast<int32_t>(save_file::ReadWord(body, kValuesWord + e));
        table.used[e] = static_cast<uint8_t>(save_file::ReadWord(body, kUsedWord + e));
        for (int c = 0; c < kCells; ++c) table.names[e][c] = static_cast<uint8_t>(save_file::ReadWord(body, NameWord(e, c)));
    }
    return true;
}

bool Read(DataBlob& blob, HallOfFameRecord& table) {
    uint32_t size = 0;
    const uint8_t* body = blob.ReadFile(kPath, &size, kBodyBytes);
    const bool accepted = Decode(body, size, table);
    if (!accepted) table = HallOfFameRecord{};
    blob.Free();
    return accepted;
}

}  // namespace hall_of_fame_file
