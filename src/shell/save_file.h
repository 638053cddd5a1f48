#pragma once
#include <cstdint>

class DataBlob;
class GameState;

// The save slot file: a DataBlob of 90000 bytes read as little-endian words.
// Every saved field of the record lies at a fixed word, one word per
// element, bytes widened to a word. The layout is shared with files written
// by earlier releases, so nothing (header, version, checksum) is added.
namespace save_file {

constexpr uint32_t kBodyBytes = 90000;
constexpr uint32_t kUsedWords = 18012;  // words 0..18011 carry the record
constexpr uint32_t kLeadWords = 10;     // words 0..9 hold the constant 1
constexpr uint32_t kAreaWord = 33;      // the area the backdrop showed
// Header words the slot pickers show.
constexpr uint32_t kLevelWord = 1124;
constexpr uint32_t kArmorWord = 1120;
constexpr uint32_t kNameWord = 884;
// The pool's existence column, one word per id.
constexpr uint32_t kItemExistsWord = 2457;

// One field of the word map: where its elements start in the file, how to
// reach it in the record, the range every element's word must lie in for
// the file to be accepted, whether loading takes it back, and whether its
// elements are places that hold items by id.
struct FieldRef {
    uint8_t* data = nullptr;
    uint32_t elementBytes = 0;  // 1 or 4
    uint32_t count = 0;
    uint8_t isSigned = 0;  // words of a signed field are read as signed 32-bit values
};
struct WordField {
    const char* name;
    uint32_t firstWord;
    FieldRef (*locate)(GameState&);
    int64_t minValue;  // within what the element type holds; see LowestAccepted
    int64_t maxValue;
    uint8_t readBack;
    uint8_t itemPlaces = 0;  // each non-zero id must name an existing item of the pool
};

// The map, in file order.
int FieldCount();
const WordField& FieldAt(int index);

// The range a field's words may hold: its own range cut to what its
// element holds (a byte field takes no word above 255).
int64_t LowestAccepted(const WordField& field, const FieldRef& ref);
int64_t HighestAccepted(const WordField& field, const FieldRef& ref);
// A word as its field reads it.
int64_t WordValue(const FieldRef& ref, uint32_t word);

// Skill charges 0-7, the values the skills column measures, each up to its
// skill's full value (its benefit) as the game keeps them.
constexpr uint32_t kChargeWord = 2421;
constexpr uint32_t kBenefitWord = 2409;
constexpr uint32_t kMeasuredCharges = 8;

uint32_t ReadWord(const uint8_t* body, uint32_t word);
void WriteWord(uint8_t* body, uint32_t word, uint32_t value);

// Writes the whole body (kBodyBytes) from the record; unused words are 0.
void Encode(const GameState& record, uint8_t* body);
// Takes a body back into the record when its length is right and every
// value lies in the range the game itself produces: bytes within a byte,
// indexes and counts within their tables, building coordinates within the
// home base, skill charges within their full values, and every id the
// hold, the storages and the ship's positions name an existing item of the
// pool. On failure the record is left exactly as it was. Words 0-9 and the
// music and sound flags are not taken back.
bool Decode(const uint8_t* body, uint32_t size, GameState& record);

// "Saves\1.save" .. "Saves\5.save"; null for any other slot.
const char* SlotPath(int slot);

// Reads the slot's file into the blob and checks it as Decode does, without
// touching any record. Returns the body, or null when the slot holds no
// usable game (missing, damaged, or with values out of range).
const uint8_t* ReadValidSlot(int slot, DataBlob& blob);

// Before a slot is written over: a file there that holds no usable game is
// renamed beside it ("1.save.damaged", then "-2", "-3" ...) and stderr says
// so, so that a damaged save is never lost without a word. Returns 1 when a
// file was put aside.
int KeepDamagedSlotAside(int slot);

}  // namespace save_file
