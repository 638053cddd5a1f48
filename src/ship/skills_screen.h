#pragma once
#include <cstdint>
#include <memory>

#include "platform/number_text.h"
#include "ship/skills_screen_texts.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The ship's twelve skills as a 4 x 3 grid of cells: icon, name, level, a
// raise arrow while points remain, the description, the "Raise Skill?"
// dialog, the refusal box and the Info panel. It works on copies the Skills
// scene gives it and never touches the game record; the scene writes a raise
// back once SettleAnswer has applied it here.
//
// Per frame the scene calls HitTest, OnClick, ArmWhenButtonsUp, SettleAnswer,
// Animate, plays the sounds, then ResolveClick (also while the device is
// lost, so a press is never left half-handled) and Draw.
class SkillsScreen {
public:
    // Hover codes besides the cells (1..12) and the arrows (30..41).
    static constexpr uint8_t kYes = 20;
    static constexpr uint8_t kNo = 21;
    static constexpr uint8_t kFirstCell = 1;
    static constexpr uint8_t kFirstArrow = 30;
    static constexpr uint8_t kInfoButton = 'o';
    static constexpr uint8_t kDescriptionExit = 'c';
    static constexpr uint8_t kInfoExit = 'b';
    // Answers held in `confirm`.
    static constexpr uint8_t kAnswerYes = 1;
    static constexpr uint8_t kAnswerNo = 2;
    // Cell flash on a raise: where it starts.
    static constexpr uint8_t kFlashStart = 10;

    SkillsScreen();
    virtual ~SkillsScreen();
    SkillsScreen(const SkillsScreen&) = delete;
    SkillsScreen& operator=(const SkillsScreen&) = delete;

    // Font and the three-image sheet; again after a device reset. Returns the
    // result of the last image load.
    int LoadArt(GraphicsDevice* graphics);
    void ReleaseSheetAndFont();

    void HitTest(int32_t x, int32_t y);
    // 0 when neither mouse button is down, else records the press and returns 1.
    int OnClick(int32_t x, int32_t y, InputDevice* mouse);
    // Arms the cells and the click sound in a frame with no button down.
    void ArmWhenButtonsUp(InputDevice* mouse);
    // Carries out an answer to the open dialog once the buttons are up: Yes
    // applies the raise to the copies and spends a point. Returns the skill
    // raised, or -1.
    int SettleAnswer(InputDevice* mouse);
    void Animate();
    // The press of this frame: opens a description or the raise dialog, or
    // refuses the raise.
    void ResolveClick();
    void Draw(SpriteSheet* menuSheet);

    // Formats the three numbers of the Info panel from level, experience and
    // nextLevelExperience.
    void FormatInfoTexts();
    // The refusal box's lines for the current refusal: the first line, the
    // level line and the prerequisite line, each empty when not shown.
    // Returns how many are shown.
    static constexpr int kRefusalLines = 3;
    static constexpr int kRefusalLineSize = 64;
    int RefusalLines(char lines[kRefusalLines][kRefusalLineSize]) const;
    // Whether the arrow of skill k is drawn: points left and the level met.
    bool ArrowShown(int k) const;

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> font;
    uint8_t snapCode = 0;
    uint8_t lastSnapCode = 0;
    uint8_t stampState = 0;
    uint8_t clickSoundRequest = 0;
    uint8_t raiseSoundRequest = 0;
    uint32_t animStart = 0;
    uint8_t animState = 1;
    float starAngle = 0.0f;
    uint8_t cellFlash[kSkillCount] = {};
    uint8_t flashFalling[kSkillCount] = {};
    uint8_t infoPeek = 0;
    uint8_t infoOpen = 0;
    uint8_t selection = 0;  // 1..12 description of skill selection-1; 30..41 raise dialog
    uint8_t confirm = 0;
    uint8_t refusal = 0;  // k + 1 of the skill just refused
    uint8_t refusalLevel = 0;
    uint8_t refusalPrereq = 0;
    uint32_t skillPoints = 0;
    int32_t level = 0;
    uint32_t experience = 0;
    uint32_t nextLevelExperience = 0;
    char levelText[kNumberTextSize] = {};
    char experienceText[kNumberTextSize] = {};
    char nextLevelText[kNumberTextSize] = {};
    int32_t benefits[kSkillCount] = {};
    int32_t levels[kSkillCount] = {};
    // Index + 1 of the skill with the highest level; a raise that reaches or
    // passes every other level takes it.
    uint8_t highestSkill = 0;
    uint8_t clickedCode = 0;
    uint8_t hoverCode = 0;
    uint8_t leftPressed = 0;
    uint8_t rightPressed = 0;
    uint8_t armed = 0;
    uint8_t clickSoundArmed = 0;

private:
    void ApplyRaise(int k);
    bool Refused(int k);
    void DrawCells(SpriteSheet* menu);
    void DrawCellTexts();
    void DrawArrows();
    void DrawRefusal(SpriteSheet* menu);
    void DrawDescription(SpriteSheet* menu, int k);
    void DrawDescriptionDetails(int k, bool quick);
    void DrawRaiseDialog(SpriteSheet* menu, int k);
    void DrawInfoButton(SpriteSheet* menu);
    void DrawInfoTexts();
    void DrawPanel(SpriteSheet* menu, bool tall);
    void DrawExit(SpriteSheet* menu, uint8_t code, uint32_t overlay);
    void Text(const char* text, int x, int y, uint32_t colour, int width = 440);
    void Number(int64_t value, int x, int y, uint32_t colour);
};
