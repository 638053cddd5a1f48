#include "hud/area_shapes.h"

namespace {

using enum AreaShape;
using enum WashOrder;

// First region, areas 2-28 (index = area - 2).
constexpr AreaLook kEarthSystemLooks[] = {
    {"Border Area", A, 0, 4, 22, 0x960064C8, First},
    {"Green Path", B, 1, 1, 34, 0xA082F56E, AfterFloor},
    {"Neutral Area", C, 0, 0, 34, 0xC8FF0000, First},
    {"Green Domain", A, 0, 2, 34, 0x6464FA32, First},
    {"Moon Path I", B, 4, 5, 36, 0x646496D2, AfterFloor},
    {"Moon Path II", B, 4, 2, 36, 0x8C6496E6, AfterFloor},
    {"Moon Colony", A, 0, 2, kNone, 0, First},
    {"Skeletons", B, 2, 2, 5, 0x64FA6496, AfterDecorations},
    {"Skeletons Prison", A, 0, kNone, 20, 0xB4FF3232, First},
    {"Convoy Area", B, 4, 3, 5, 0x50966432, AfterFloor},
    {"Earth Area", C, 1, 1, 22, 0xC81446BE, First},
    {"Stolen Robot Trail", B, 4, 4, 22, 0x966400C8, AfterFloor},
    {"Robot Lair", A, 0, 3, 22, 0x966400B4, First},
    {"Earth Path", B, 5, 5, 22, 0xA01446D2, First},
    {"Earth Space Station", A, 0, 3, 22, 0xB41446D2, First},
    {"Pirates Area", C, 2, 3, 22, 0x96C86400, First},
    {"Pirates Outpost", A, 1, 4, 22, 0x96FF5A00, First},
    {"Pirates Path I", B, kNone, 2, 22, 0x8CFA325A, First},
    {"Pirates Path II", B, kNone, 2, 22, 0xA0FA320A, First},
    {"Pirates Base", A, kNone, 4, 22, 0xBEFF0000, First},
    {"Mars Area", C, 2, 4, 22, 0xD2FF0000, First},
    {"Mars Path", B, 4, 2, 22, 0xD2FF0000, First},
    {"Mars Space Colony", A, kNone, 2, 22, 0xDCFF0A0A, First},
    {"Medical Convoy", B, 4, 4, 22, 0xA0FF0000, First},
    {"Zombie Space Monster", A, kNone, 1, 22, 0xAAFFFF00, First},
    {"Ninja Shadow Clan Path", B, 2, 3, 22, 0x6EAA32E6, First},
    {"Shadow Ninja Clan Base", A, kNone, 4, 22, 0x5A9B32FA, First},
};

// Second region, areas 2-20 (index = area - 2).
constexpr AreaLook kInvasionsLooks[] = {
    {"Pluto Area", A, 0, 2, kNone, 0, First},
    {"Far Colony Path", B, 5, 5, 22, 0xA01446D2, First},
    {"Far Colony Path II", B, 5, 5, 22, 0x960A3CAA, First},
    {"Far Colony", A, 0, 2, 34, 0x6464FA32, First},
    {"Meeting Area", C, 2, 3, 22, 0x6E964600, First},
    {"Enemy Fleet", A, kNone, 2, 22, 0x6E964600, First},
    {"Supply Ships Area", B, 4, 1, 22, 0xB4BE7800, First},
    {"Venus Area", C, 2, 0, 22, 0x6E964650, First},
    {"Station Path", B, 5, 4, 22, 0xA07846D2, First},
    {"Station Path II", B, 4, 3, 5, 0x50966432, AfterFloor},
    {"Military Station", A, 0, 3, 22, 0x8C14466E, First},
    {"Warrior Clan", A, 0, 0, 22, 0x8CC8D26E, First},
    {"Mechanical Dragon", A, 0, 3, 22, 0x8CC8466E, First},
    {"Saturn Area", C, 2, 0, 22, 0x6E64AAD2, First},
    {"Dragon's Outpost", A, 0, 3, 22, 0xBE149664, First},
    {"Dragon's Fleet", A, 0, 3, 22, 0x96C86400, First},
    {"Dragon's Base", A, 1, 4, 22, 0x96FF5A00, First},
    {"Dunmark", A, 0, 3, 22, 0xBE148C64, First},
    {"Vexmoor", A, 0, 3, 22, 0xBEFAB48C, First},
};

constexpr int kFirstBattleArea = 2;

// Hand-placed floor tiles as image * 10 + frame; a shape's row r, column c
// reads kFloorRows[r % 8][(c + r) % 12]. Row 0 of shape A starts 5.0, 3.2, 3.1 ...
constexpr uint8_t kFloorRows[8][12] = {
    {50, 32, 31, 33, 30, 31, 33, 51, 32, 30, 41, 33},
    {31, 40, 33, 32, 52, 30, 31, 33, 42, 32, 30, 31},
    {33, 31, 30, 43, 32, 33, 50, 31, 30, 32, 33, 41},
    {32, 53, 31, 30, 33, 41, 32, 30, 31, 52, 33, 30},
    {30, 33, 42, 31, 32, 30, 33, 40, 32, 31, 51, 32},
    {41, 30, 32, 33, 31, 50, 30, 32, 33, 30, 31, 43},
    {32, 31, 51, 30, 40, 32, 31, 33, 30, 42, 32, 31},
    {30, 42, 33, 31, 33, 31, 52, 30, 41, 33, 30, 32},
};

}  // namespace

const AreaLook* FindAreaLook(uint32_t region, int32_t area) {
    constexpr int32_t earthCount = sizeof(kEarthSystemLooks) / sizeof(kEarthSystemLooks[0]);
    constexpr int32_t invasionsCount = sizeof(kInvasionsLooks) / sizeof(kInvasionsLooks[0]);
    const int32_t index = area - kFirstBattleArea;
    if (index < 0) return nullptr;
    if (region == 1 && index < earthCount) return &kEarthSystemLooks[index];
    if (region == 2 && index < invasionsCount) return &kInvasionsLooks[index];
    return nullptr;
}

AreaShape ShapeOfArea(uint32_t region, int32_t area) {
    if (region != 1 && region != 2) return None;
    if (area == 1) return Home;
    const AreaLook* look = FindAreaLook(region, area);
    return look ? look->shape : None;
}

const TintColour* FindTint(const TintChoice* table, int count, AreaShape shape, uint8_t code) {
    for (int i = 0; i < count; ++i) {
        if (table[i].shape == shape && table[i].code == code) return &table[i].colour;
    }
    return nullptr;
}

FloorTile FloorTileAt(int row, int column) {
    const uint8_t code = kFloorRows[row % 8][(column + row) % 12];
    return {static_cast<uint8_t>(code / 10), static_cast<uint8_t>(code % 10)};
}
