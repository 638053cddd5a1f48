#include "hud/control_panel.h"
#include "hud/quest_gifts.h"

const QuestGift* FindQuestGift(uint32_t questSet, uint32_t quest) {
    if (quest < 1 || quest > kQuestsPerSet) return nullptr;
    if (questSet == 1) return &kEarthSystemGifts[quest - 1];
    if (questSet == 2) return &kInvasionsGifts[quest - 1];
    return nullptr;
}

const char* GiftSkillLine(uint8_t skill) {
    if (skill < kFirstGiftSkill || skill > kLastGiftSkill) return nullptr;
    return kGiftSkillLines[skill - kFirstGiftSkill];
}

void ControlPanel::SetQuestGifts(uint32_t questSet) {
    if (giftQuest == 0) return;
    FormatNumber(giftQuestText, giftQuest);
    if (const QuestGift* gift = FindQuestGift(questSet, giftQuest)) {
        giftSkill = gift->skill;
        for (uint32_t& amount : giftResources) amount = gift->resources;
        giftExperience = gift->experience;
    }
    for (int i = 0; i < 6; ++i) FormatNumber(giftTexts[i], giftResources[i]);
    FormatNumber(giftTexts[6], giftExperience);
}
