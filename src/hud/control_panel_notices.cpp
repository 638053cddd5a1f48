#include "hud/control_panel.h"
#include "hud/control_panel_layout.h"
#include "hud/panel_drawing.h"
#include "hud/quest_gifts.h"
#include "hud/repairs_report.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kNoticeLabel = 0xFFFAFA32;
constexpr uint32_t kNoticeHover = 0xFFFA0A0A;
constexpr uint32_t kTitleRed = 0xFFFF0000;
constexpr uint32_t kGiftText = 0xFFE6E6E6;
constexpr uint32_t kMessageText = 0xFF323232;
constexpr int kNoticeImage = 14;    // panel sheet
constexpr int kWindowBack = 20;     // shared menu sheet
constexpr int kRepairsBack = 27;

// Window frames (left, top, right, bottom).
constexpr int kWindowLeft = 157;
constexpr int kWindowRight = 600;
constexpr int kRepairsTop = 40, kRepairsBottom = 360;
constexpr int kGiftsTop = 40, kGiftsBottom = 386;
constexpr int kFailedTop = 290, kFailedBottom = 386;

struct TimedMessage {
    uint8_t ControlPanel::*timer;
    const char* text;
    int16_t x, y;
};

// Boxed messages in drawing order.
constexpr TimedMessage kBoxedMessages[] = {
    {&ControlPanel::noMaterialTimer, "Not enough material. You have:", 283, 285},
    {&ControlPanel::notAtBaseTimer, "You must be at Base to use this skill.", 260, 226},
    {&ControlPanel::travelTimer, "Going anywhere?", 329, 226},
    {&ControlPanel::helpArrivedTimer, "Help has arrived", 482, 256},
    {&ControlPanel::robotLimitTimer, "You can't raise the max robot count any higher.", 250, 226},
    {&ControlPanel::buildingLimitTimer, "You can't construct any more buildings.", 260, 226},
};

constexpr const char* kGiftLabels[7] = {"Gold:",           "Crystal:",          "Favors:",    "Ship Material:",
                                        "Robot Material:", "Building Material:", "Experience:"};

// A notice: its back image, a label (and count), and its title above while hovered.
void Notice(SpriteSheet* sheet, Font* font, const PanelRect& r, bool hovered, const char* label, const char* count,
            const char* title) {
    if (sheet) sheet->Draw(kNoticeImage, 0, r.x, r.y, kWhite, 1.0f, 1.0f, 0, 0.0f);
    const uint32_t colour = hovered ? kNoticeHover : kNoticeLabel;
    PanelText(font, label, r.x + 8, r.y + 7, colour);
    if (count) PanelText(font, count, r.x + 26, r.y + 7, colour);
    if (hovered) PanelText(font, title, r.x - 10, r.y - 25, kNoticeHover);
}

void Lines(Font* font, const PanelTextLine* lines, int count) {
    for (int i = 0; i < count; ++i) {
        const PanelTextLine& line = lines[i];
        PanelText(font, line.text, line.x, line.y, line.colour);
        if (line.value) PanelText(font, line.value, line.valueX, line.y, line.colour);
    }
}

}  // namespace

void ControlPanel::DrawNotices(SpriteSheet* shared) {
    if (repairsNotice) {
        const bool hovered = hoverCode == kCodeShowRepairs;
        if (sheet) sheet->Draw(kNoticeImage, 0, 500, 40, kWhite, 1.0f, 1.0f, 0, 0.0f);
        const uint32_t colour = hovered ? kNoticeHover : kNoticeLabel;
        if (robotRepairShort) {
            PanelText(font.get(), "Short", 515, 47, colour);
        } else {
            PanelText(font.get(), "Repairs", 508, 47, colour);
        }
        if (hovered) PanelText(font.get(), "Show Details", 485, 22, kNoticeHover);
    }

    if (repairsOpen) {
        RepairsReport report;
        BuildRepairsReport(*this, report);
        FramedBox(shared, kRepairsBack, kWindowLeft, kRepairsTop, kWindowRight, kRepairsBottom);
        Lines(font.get(), report.lines, report.count);
        ExitButton(shared, font.get(), kRepairsExitRect.x, kRepairsExitRect.y, hoverCode == kCodeRepairsExit);
    }

    if (newLevelTimer) PanelText(font.get(), "New Level", 93, 320, 0xFFFA0A0A);

    if (awardsToChoose > 0) {
        FormatNumber(awardsText, awardsToChoose);
        Notice(sheet.get(), font.get(), kChooseAwardRect, hoverCode == kCodeChooseAward, "A", awardsText, "Choose Award");
    }
    if (skillsToChoose > 0) {
        FormatNumber(skillsText, skillsToChoose);
        Notice(sheet.get(), font.get(), kChooseSkillRect, hoverCode == kCodeChooseSkill, "S", skillsText, "Choose Skill");
    }
    if (questFailed) Notice(sheet.get(), font.get(), kQuestInfoRect, hoverCode == kCodeQuestInfo, "Info", nullptr, "Quest Info");

    const bool exitHovered = hoverCode == kCodeGiftsExit;
    if (questFailedOpen) {
        FramedBox(shared, kWindowBack, kWindowLeft, kFailedTop, kWindowRight, kFailedBottom);
        PanelText(font.get(), "Don't worry about anything... Just try this quest", 194, 305, 0xFF370000);
        PanelText(font.get(), "again at some other time.", 194, 333, 0xFF370000);
        ExitButton(shared, font.get(), kGiftsExitRect.x, kGiftsExitRect.y, exitHovered);
    }

    if (questUpdated) Notice(sheet.get(), font.get(), kQuestUpdatedRect, hoverCode == kCodeQuestUpdated, "Quest", nullptr, "Quest Updated");

    if (questGiftsOpen) {
        FramedBox(shared, kWindowBack, kWindowLeft, kGiftsTop, kWindowRight, kGiftsBottom);
        PanelText(font.get(), "Quest", 175, 60, kTitleRed);
        PanelText(font.get(), giftQuestText, 225, 60, kTitleRed);
        PanelText(font.get(), "Gifts for finishing the quest.", 175, 85, kGiftText);
        PanelText(font.get(), "Skill:", 175, 115, kTitleRed);
        if (const char* line = GiftSkillLine(giftSkill)) PanelText(font.get(), line, 230, 115, kGiftText);
        PanelText(font.get(), "Wealth:", 175, 150, kTitleRed);
        for (int i = 0; i < 7; ++i) {
            PanelText(font.get(), kGiftLabels[i], 175, 175 + 25 * i, kGiftText);
            PanelText(font.get(), giftTexts[i], 325, 175 + 25 * i, kGiftText);
        }
        ExitButton(shared, font.get(), kGiftsExitRect.x, kGiftsExitRect.y, exitHovered);
    }

    if (questGifts) Notice(sheet.get(), font.get(), kFinishedQuestRect, hoverCode == kCodeFinishedQuest, "Gifts", nullptr, "Finished Quest");

    for (const TimedMessage& m : kBoxedMessages) {
        if (this->*m.timer == 0) continue;
        const int bottom = m.timer == &ControlPanel::noMaterialTimer ? m.y + 48 : m.y + 26;
        FramedBox(shared, kWindowBack, m.x - 14, m.y - 8, m.x + PanelTextWidth(m.text) + 14, bottom);
        PanelText(font.get(), m.text, m.x, m.y, kMessageText);
        if (m.timer == &ControlPanel::noMaterialTimer) PanelText(font.get(), noMaterialText, 385, 307, kMessageText);
    }
    if (noEnergyTimer) PanelText(font.get(), "Need More Energy", 623, 491, 0xFF3296FA);
    if (noSkillTimer) PanelText(font.get(), "You don't have this skill.", 600, 491, 0xFFFA9632);
}
