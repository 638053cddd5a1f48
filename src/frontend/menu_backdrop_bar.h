#pragma once
#include <cstdint>

#include "frontend/menu_backdrop.h"

// The main menu's bottom bar, left to right: hit rectangles (all from y 538,
// 100 high), label frames of the words image and the sparkle of a lit button.
namespace menu_bar {

constexpr int32_t kTop = 538;
constexpr int32_t kHeight = 100;
constexpr float kSparkleY = 537;

struct Label {
    int frame;  // -1: none
    float x, y;
};

struct Button {
    uint8_t code;
    int32_t x, width;
    int stateIndex;  // into MenuBackdrop::buttonState
    Label labels[2];
    float sparkleX;
};

constexpr Button kButtons[MenuBackdrop::kBarButtons] = {
    {MenuBackdrop::kNew, 64, 77, 0, {{0, 53, 542}, {7, 53, 566}}, 71},
    {MenuBackdrop::kLoad, 177, 77, 1, {{1, 165, 543}, {7, 165, 566}}, 183},
    {MenuBackdrop::kHallOfFame, 297, 89, 3, {{6, 295, 543}, {2, 295, 567}}, 312},
    {MenuBackdrop::kOptions, 429, 100, 4, {{3, 430, 556}, {-1, 0, 0}}, 451},
    {MenuBackdrop::kHelpButton, 574, 66, 5, {{4, 560, 556}, {-1, 0, 0}}, 578},
    {MenuBackdrop::kQuit, 667, 68, 2, {{5, 655, 556}, {-1, 0, 0}}, 673},
};

}  // namespace menu_bar
