#pragma once
#include <cstdint>

// What the Quests screen shows of each of the 24 quests (quest n at index
// n - 1; boxes 1-12 show quests 1-12 in set 1 and 13-24 in set 2).
inline constexpr int kQuestCount = 24;
inline constexpr int kQuestsPerSet = 12;
inline constexpr int kBriefingLines = 7;

struct QuestPicture {
    int8_t image;  // of the screen's own sheet
    int8_t frame;
    int16_t x, y;
    uint32_t colour;
};

struct QuestText {
    const char* subtitle;
    int16_t subtitleX;
    QuestPicture picture;  // while the quest is active
    const char* briefingTitle;
    const char* briefing[kBriefingLines];
    const char* summary[2];
};

// Quest 1..24; anything else answers quest 1.
const QuestText& QuestTexts(int quest);

// The introduction note of quest set 1 or 2 (lines end with a null).
inline constexpr int kNoteLines = 4;
const char* const* QuestSetNote(uint32_t questSet);
const char* QuestSetHeading(uint32_t questSet);
