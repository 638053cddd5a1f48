#pragma once
#include <cstdint>
#include <memory>

#include "platform/number_text.h"
#include "ship/favor_allies.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The twelve quests of the current quest set as a 4 x 3 grid of boxes: what
// the player knows of each, its briefing, the set's introduction note, the
// summary of the active quest, and the ally panel in which allies are bought
// with favors. It works on copies the Quests scene gives it and never touches
// the game record; the scene writes favors, experience and the flags back.
//
// Per frame the scene calls HitTest, OnClick, ArmWhenButtonsUp, BuyAlly when
// buyRequested is set (clearing it first), Animate, DrawFrame and then
// DrawEarthSystem or DrawInvasions.
class QuestsScreen {
public:
    static constexpr int kBoxes = 12;
    static constexpr int kRecordQuests = 100;
    static constexpr int kRecordAllies = 300;
    // Hover codes besides the "Use Favors?" buttons (1..12) and the boxes (20..31).
    static constexpr uint8_t kFirstAgree = 13;
    static constexpr uint8_t kAllyExit = 16;
    static constexpr uint8_t kBriefingExit = 17;
    static constexpr uint8_t kFirstBox = 20;
    static constexpr uint8_t kTopStrip = 50;
    static constexpr uint8_t kNoteExit = 99;
    // Quest states.
    static constexpr uint8_t kNotGiven = 0;
    static constexpr uint8_t kActive = 1;
    static constexpr uint8_t kDone = 2;
    // The "Not enough favors" message lasts this many animation ticks.
    static constexpr uint8_t kNotEnoughTicks = 13;

    QuestsScreen();
    virtual ~QuestsScreen();
    QuestsScreen(const QuestsScreen&) = delete;
    QuestsScreen& operator=(const QuestsScreen&) = delete;

    // Font and the 11-image sheet (images 9 and 10 only in set 2, so set
    // questSet first); again after a device reset.
    int LoadArt(GraphicsDevice* graphics);
    void FreeArt();

    void SetAllyCosts();
    void BuyAlly();
    // favorsText from favors.
    void FormatFavors();

    void HitTest(int32_t x, int32_t y);
    // 0 when neither mouse button is down, else acts on the press and returns 1.
    int OnClick(int32_t x, int32_t y, InputDevice* mouse);
    // In a frame with no mouse button down the boxes may react again.
    void ArmWhenButtonsUp(InputDevice* mouse);
    void Animate();

    void DrawFrame(SpriteSheet* menu, SpriteSheet* favors);
    void DrawEarthSystem(SpriteSheet* menu, SpriteSheet* favors) { DrawContents(menu, favors); }
    void DrawInvasions(SpriteSheet* menu, SpriteSheet* favors) { DrawContents(menu, favors); }

    // Quest number (1..24) shown in box n (1..12).
    int QuestInBox(int box) const;
    // Entry of allyFlags for ally 1..3 of box 1..12.
    static int AllyIndex(int box, int ally) { return 3 * (box - 1) + (ally - 1); }

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> font;
    uint8_t offerOpen[kAlliesPerQuest] = {1, 1, 1};
    uint8_t snapId = 0;
    uint8_t lastSnapId = 0;
    uint8_t stampState = 0;
    uint8_t rightdefPending = 0;
    uint8_t freshPress = 0;
    uint8_t soundToomuch = 0;
    uint8_t soundScifi = 0;
    uint8_t soundYo = 0;
    uint32_t tickTime = 0;
    uint8_t tickState = 1;
    uint8_t briefingPeek = 0;
    uint8_t briefingOpen = 0;
    uint8_t noInfoShown = 0;
    uint8_t notesOpen = 0;
    uint8_t notesPeek = 0;
    uint8_t purchaseDone = 0;
    uint8_t questUpdated[kRecordQuests] = {};
    uint8_t questsUpdated = 0;
    float pulse = 20.0f;
    uint8_t pulseGrowing = 1;
    uint8_t pulseShrinking = 0;
    uint8_t buyRequested = 0;
    uint8_t notEnoughBlink = 0;
    uint32_t favors = 0;
    uint8_t selectedQuest = 0;
    char favorsText[kNumberTextSize] = {};
    uint32_t questSet = 0;
    uint8_t questStates[kRecordQuests] = {};
    uint8_t allyFlags[kRecordAllies] = {};
    uint32_t allyCosts[kRecordQuests][kAlliesPerQuest] = {};
    uint8_t pressedCode = 0;
    uint8_t hover = 0;
    uint8_t chosenAlly = 0;
    uint8_t leftPressed = 0;
    uint8_t rightPressed = 0;
    uint8_t buttonsReleased = 0;
    uint32_t experience = 0;

private:
    void UpdateSnap();
    void AnimationTick();
    void DrawContents(SpriteSheet* menu, SpriteSheet* favors);
    void DrawBoxes();
    void DrawUpdatedFlash();
    void DrawFavorButtons(SpriteSheet* menu);
    void DrawAllyPanel(SpriteSheet* menu, SpriteSheet* favors);
    void DrawAllyPictures(SpriteSheet* favors, int quest);
    void DrawNotEnough(SpriteSheet* menu);
    void DrawBriefing(SpriteSheet* menu);
    void DrawSummary();
    void DrawNote(SpriteSheet* menu);
    void DrawExit(SpriteSheet* menu, float x, float y, uint8_t code);
    void Text(const char* text, int x, int y, uint32_t colour, int width = 440);
};
