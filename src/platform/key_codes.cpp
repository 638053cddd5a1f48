#include "platform/key_codes.h"

#include <SDL.h>

#include <array>

namespace {

struct ScancodeKey {
    SDL_Scancode scancode;
    uint8_t code;
};

constexpr ScancodeKey kScancodeKeys[] = {
    {SDL_SCANCODE_ESCAPE, key::kEscape},
    {SDL_SCANCODE_1, key::k1},
    {SDL_SCANCODE_2, key::k2},
    {SDL_SCANCODE_3, key::k3},
    {SDL_SCANCODE_4, key::k4},
    {SDL_SCANCODE_5, key::k5},
    {SDL_SCANCODE_6, key::k6},
    {SDL_SCANCODE_7, key::k7},
    {SDL_SCANCODE_8, key::k8},
    {SDL_SCANCODE_9, key::k9},
    {SDL_SCANCODE_0, key::k0},
    {SDL_SCANCODE_MINUS, key::kMinus},
    {SDL_SCANCODE_EQUALS, key::kEquals},
    {SDL_SCANCODE_BACKSPACE, key::kBack},
    {SDL_SCANCODE_TAB, key::kTab},
    {SDL_SCANCODE_Q, key::kQ},
    {SDL_SCANCODE_W, key::kW},
    {SDL_SCANCODE_E, key::kE},
    {SDL_SCANCODE_R, key::kR},
    {SDL_SCANCODE_T, key::kT},
    {SDL_SCANCODE_Y, key::kY},
    {SDL_SCANCODE_U, key::kU},
    {SDL_SCANCODE_I, key::kI},
    {SDL_SCANCODE_O, key::kO},
    {SDL_SCANCODE_P, key::kP},
    {SDL_SCANCODE_LEFTBRACKET, key::kLeftBracket},
    {SDL_SCANCODE_RIGHTBRACKET, key::kRightBracket},
    {SDL_SCANCODE_RETURN, key::kReturn},
    {SDL_SCANCODE_LCTRL, key::kLeftControl},
    {SDL_SCANCODE_A, key::kA},
    {SDL_SCANCODE_S, key::kS},
    {SDL_SCANCODE_D, key::kD},
    {SDL_SCANCODE_F, key::kF},
    {SDL_SCANCODE_G, key::kG},
    {SDL_SCANCODE_H, key::kH},
    {SDL_SCANCODE_J, key::kJ},
    {SDL_SCANCODE_K, key::kK},
    {SDL_SCANCODE_L, key::kL},
    {SDL_SCANCODE_SEMICOLON, key::kSemicolon},
    {SDL_SCANCODE_APOSTROPHE, key::kApostrophe},
    {SDL_SCANCODE_GRAVE, key::kGrave},
    {SDL_SCANCODE_LSHIFT, key::kLeftShift},
    {SDL_SCANCODE_BACKSLASH, key::kBackslash},
    {SDL_SCANCODE_Z, key::kZ},
    {SDL_SCANCODE_X, key::kX},
    {SDL_SCANCODE_C, key::kC},
    {SDL_SCANCODE_V, key::kV},
    {SDL_SCANCODE_B, key::kB},
    {SDL_SCANCODE_N, key::kN},
    {SDL_SCANCODE_M, key::kM},
    {SDL_SCANCODE_COMMA, key::kComma},
    {SDL_SCANCODE_PERIOD, key::kPeriod},
    {SDL_SCANCODE_SLASH, key::kSlash},
    {SDL_SCANCODE_RSHIFT, key::kRightShift},
    {SDL_SCANCODE_KP_MULTIPLY, key::kMultiply},
    {SDL_SCANCODE_LALT, key::kLeftAlt},
    {SDL_SCANCODE_SPACE, key::kSpace},
    {SDL_SCANCODE_CAPSLOCK, key::kCapital},
    {SDL_SCANCODE_F1, key::kF1},
    {SDL_SCANCODE_F2, key::kF2},
    {SDL_SCANCODE_F3, key::kF3},
    {SDL_SCANCODE_F4, key::kF4},
    {SDL_SCANCODE_F5, key::kF5},
    {SDL_SCANCODE_F6, key::kF6},
    {SDL_SCANCODE_F7, key::kF7},
    {SDL_SCANCODE_F8, key::kF8},
    {SDL_SCANCODE_F9, key::kF9},
    {SDL_SCANCODE_F10, key::kF10},
    {SDL_SCANCODE_NUMLOCKCLEAR, key::kNumLock},
    {SDL_SCANCODE_SCROLLLOCK, key::kScroll},
    {SDL_SCANCODE_KP_7, key::kNumpad7},
    {SDL_SCANCODE_KP_8, key::kNumpad8},
    {SDL_SCANCODE_KP_9, key::kNumpad9},
    {SDL_SCANCODE_KP_MINUS, key::kSubtract},
    {SDL_SCANCODE_KP_4, key::kNumpad4},
    {SDL_SCANCODE_KP_5, key::kNumpad5},
    {SDL_SCANCODE_KP_6, key::kNumpad6},
    {SDL_SCANCODE_KP_PLUS, key::kAdd},
    {SDL_SCANCODE_KP_1, key::kNumpad1},
    {SDL_SCANCODE_KP_2, key::kNumpad2},
    {SDL_SCANCODE_KP_3, key::kNumpad3},
    {SDL_SCANCODE_KP_0, key::kNumpad0},
    {SDL_SCANCODE_KP_PERIOD, key::kDecimal},
    {SDL_SCANCODE_NONUSBACKSLASH, key::kOem102},
    {SDL_SCANCODE_F11, key::kF11},
    {SDL_SCANCODE_F12, key::kF12},
    {SDL_SCANCODE_KP_ENTER, key::kNumpadEnter},
    {SDL_SCANCODE_RCTRL, key::kRightControl},
    {SDL_SCANCODE_KP_DIVIDE, key::kDivide},
    {SDL_SCANCODE_PRINTSCREEN, key::kSysRq},
    {SDL_SCANCODE_RALT, key::kRightAlt},
    {SDL_SCANCODE_PAUSE, key::kPause},
    {SDL_SCANCODE_HOME, key::kHome},
    {SDL_SCANCODE_UP, key::kUp},
    {SDL_SCANCODE_PAGEUP, key::kPrior},
    {SDL_SCANCODE_LEFT, key::kLeft},
    {SDL_SCANCODE_RIGHT, key::kRight},
    {SDL_SCANCODE_END, key::kEnd},
    {SDL_SCANCODE_DOWN, key::kDown},
    {SDL_SCANCODE_PAGEDOWN, key::kNext},
    {SDL_SCANCODE_INSERT, key::kInsert},
    {SDL_SCANCODE_DELETE, key::kDelete},
    {SDL_SCANCODE_LGUI, key::kLeftWin},
    {SDL_SCANCODE_RGUI, key::kRightWin},
    {SDL_SCANCODE_APPLICATION, key::kApps},
};

constexpr std::array<uint8_t, SDL_NUM_SCANCODES> BuildTable() {
    std::array<uint8_t, SDL_NUM_SCANCODES> table{};
    for (const ScancodeKey& entry : kScancodeKeys) table[entry.scancode] = entry.code;
    return table;
}

constexpr std::array<uint8_t, SDL_NUM_SCANCODES> kTable = BuildTable();

}  // namespace

uint8_t KeyCodeFromScancode(int scancode) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
    return kTable[static_cast<size_t>(scancode)];
}
