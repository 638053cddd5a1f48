#pragma once
#include <cstdint>

#include "platform/point_in_rect.h"

// Where everything on the control bar sits, as data shared by the hit test
// and the drawing. Rectangles are half-open (left, top, width, height) in
// pixels of the 800x600 screen.

struct PanelRect {
    int16_t x, y, width, height;
};

// Screen buttons, in the order of ControlPanel::buttonState.
inline constexpr int kPanelButtonCount = 13;
inline constexpr uint8_t kPanelButtonCodes[kPanelButtonCount] = {1, 3, 2, 4, 5, 6, 7, 8, 11, 33, 34, 9, 10};

// Button codes with a fixed place on the bar.
inline constexpr uint8_t kCodeSkillsToggle = 11;
inline constexpr uint8_t kCodeFirstSkill = 12;   // F1; F12 is 23
inline constexpr uint8_t kCodeAutoFire = 33;
inline constexpr uint8_t kCodeOptions = 34;
inline constexpr uint8_t kCodeChooseAward = 80;
inline constexpr uint8_t kCodeChooseSkill = 81;
inline constexpr uint8_t kCodeQuestUpdated = 82;
inline constexpr uint8_t kCodeFinishedQuest = 83;
inline constexpr uint8_t kCodeShowRepairs = 84;
inline constexpr uint8_t kCodeQuestInfo = 87;
inline constexpr uint8_t kCodeGiftsExit = 98;
inline constexpr uint8_t kCodeRepairsExit = 99;

// Hit rectangles of codes 1-11 (index = code - 1).
inline constexpr PanelRect kScreenButtonRects[11] = {
    {145, 568, 64, 232}, {209, 568, 64, 232}, {273, 568, 64, 232}, {337, 568, 64, 232},
    {401, 568, 64, 232}, {465, 568, 64, 232}, {529, 568, 64, 232}, {593, 568, 64, 232},
    {72, 558, 64, 16},   {72, 580, 64, 150},  {665, 558, 64, 200},
};
inline constexpr PanelRect kAutoFireRect = {0, 520, 72, 16};
inline constexpr PanelRect kOptionsRect = {728, 520, 72, 16};

// Hover labels of codes 1-10 (index = code - 1).
inline constexpr const char* kScreenButtonLabels[10] = {
    "Your Ship [Y]", "Robots [R]", "Buildings [B]", "Quests [Q]", "Awards [A]",
    "Wealth [W]",    "Skills [S]", "Notes [N]",     "Make Robots [M]", "Construct Buildings [C]",
};

// Fire-mode cells 1-3 (index = mode - 1).
inline constexpr PanelRect kFireModeRects[3] = {{72, 540, 20, 18}, {92, 540, 21, 18}, {113, 540, 23, 18}};
inline constexpr const char* kFireModeLabels[3] = {"Straight [1]", "Small Spread [2]", "Large Spread [3]"};
inline constexpr int16_t kFireModeLabelX[3] = {50, 60, 90};

// Travel-menu rows 1-9: row n at (270, 15 + 25(n-1), 290, 25).
inline constexpr int kMenuRowCount = 9;
inline constexpr PanelRect MenuRowRect(int row) {
    return {270, static_cast<int16_t>(15 + 25 * (row - 1)), 290, 25};
}

// Skill cells F1-F12, shown only with the skill bar.
inline constexpr int kSkillCount = 12;
inline constexpr PanelRect SkillCellRect(int k) { return {static_cast<int16_t>(136 + 44 * k), 530, 44, 38}; }
inline constexpr const char* kSkillNames[kSkillCount] = {
    "Emergency Escape F1",     "Particle Shields F2",  "Hard Shields F3",       "Shields Recharge F4",
    "Hard Armor F5",           "Extra Armor F6",       "Ship Protection F7",    "Robot Protection F8",
    "Electron Explosion F9",   "Neutron Explosion F10", "Proton Explosion F11", "Armageddon Attack F12",
};
inline constexpr int16_t kSkillNameX[kSkillCount] = {100, 144, 190, 226, 274, 324, 354, 394, 434, 464, 504, 544};

// Notices and window buttons that exist only while shown.
inline constexpr PanelRect kChooseAwardRect = {100, 360, 64, 32};
inline constexpr PanelRect kChooseSkillRect = {100, 420, 64, 32};
inline constexpr PanelRect kQuestUpdatedRect = {600, 360, 64, 32};
inline constexpr PanelRect kFinishedQuestRect = {600, 420, 64, 32};
inline constexpr PanelRect kShowRepairsRect = {500, 40, 74, 32};
inline constexpr PanelRect kQuestInfoRect = {600, 410, 64, 32};
inline constexpr PanelRect kGiftsExitRect = {355, 360, 51, 35};
inline constexpr PanelRect kRepairsExitRect = {355, 310, 51, 35};

inline bool InPanelRect(const PanelRect& r, int32_t px, int32_t py) {
    return PointInRect(r.x, r.y, r.width, r.height, px, py) != 0;
}
