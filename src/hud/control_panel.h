#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/number_text.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// Room for every text the panel shows as a number or an amount.
inline constexpr size_t kPanelTextSize = kNumberTextSize;

// The bottom control bar of every screen in which the ship flies (and of the
// Store): fire modes, auto fire, screen buttons, the skill bar, the read-outs,
// and the notices, windows and short messages over the battle view. It owns no
// rules: the hosting scene fills the fields, calls HitTest, Click, Tick and
// Draw each frame and acts on the codes reported.
class ControlPanel {
public:
    ControlPanel();
    virtual ~ControlPanel();
    ControlPanel(const ControlPanel&) = delete;
    ControlPanel& operator=(const ControlPanel&) = delete;

    // Font and the bar's 20-image sheet; again after every device reset.
    int LoadArt(GraphicsDevice* graphics);
    int ReleaseArt();

    // Gift fields for the quest in giftQuest (set that first).
    void SetQuestGifts(uint32_t questSet);

    // Timers, energy and shield recharge, one step per 100 ms.
    void Tick(int32_t* energy, int32_t* energyMax, int32_t* shields, int32_t* shieldsMax, uint32_t rechargeLevel,
              uint32_t rechargeOn);
    // What lies under the pointer this frame.
    void HitTest(int32_t x, int32_t y);
    // Acts on a fresh press of either mouse button: 1 when there was one.
    // Works on what HitTest found; the position is not used. A button held
    // since the press it made is no fresh press, wherever the pointer goes.
    uint32_t Click(int32_t x, int32_t y, InputDevice* mouse, uint8_t* fireMode);
    // The same once the mouse has been read: leftNew/rightNew are the fresh presses.
    uint32_t Press(uint8_t leftNew, uint8_t rightNew, uint8_t* fireMode);
    // The clicked screen button (a screen, the skill bar toggle, a notice
    // link) whose action the scene carries out now, or 0: at once when the
    // pointer has left the button, else once both mouse buttons are up.
    // Clears clickedCode and clickTaken when it hands a code over.
    uint8_t TakeScreenClick(InputDevice* mouse);
    static bool OpensScreen(uint8_t code);

    void Draw(int32_t shields, int32_t armor, int32_t energy, SpriteSheet* sharedSheet, uint32_t extraArmor,
              uint32_t hardShields, uint32_t hardArmor, int32_t armorMax, uint32_t particleShields,
              uint32_t shieldsRecharge, uint32_t shipProtection, uint32_t robotProtection, uint8_t fireMode);

    // buttonState entry of a button code, or -1 for a code without one.
    static int ButtonIndex(uint8_t code);

    // The bar's art, null until LoadArt and after ReleaseArt.
    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> font;
    uint8_t textRed = 0, textGreen = 0, textBlue = 0;
    uint8_t soundRequest = 0;
    uint8_t electricSound = 0;
    uint8_t accentTimer = 0;
    uint8_t lowArmorTimer = 0;
    uint8_t hoverSoundCode = 0;
    uint8_t lastHoverSoundCode = 0;
    uint8_t helpArrivedTimer = 0;
    uint8_t autoFire = 0;
    uint8_t robotLimitTimer = 0;
    uint8_t buildingLimitTimer = 0;
    uint8_t fireModeHover = 0;
    uint8_t pointerOverPanel = 0;
    uint8_t fireModeClicked = 0;
    uint8_t noSkillTimer = 0;
    uint8_t noEnergyTimer = 0;
    uint8_t energyTicks = 0;
    uint32_t shieldAccumulator = 0;
    uint32_t cycle7 = 0;
    uint8_t travelTimer = 0;
    uint8_t areaTitleTimer = 1;
    uint8_t notAtBaseTimer = 0;
    uint8_t skillRightClick = 0;
    uint8_t lastClickedCode = 0;
    uint32_t shipRepairSaved = 0;
    char shipRepairSavedText[kPanelTextSize] = {};
    uint32_t robotRepairSaved = 0;
    char robotRepairSavedText[kPanelTextSize] = {};
    uint8_t noMaterialTimer = 0;
    char noMaterialText[kPanelTextSize] = {};
    uint32_t tickStart = 0;
    uint8_t tickState = 1;
    uint8_t newLevelTimer = 0;
    uint32_t awardsToChoose = 0;
    char awardsText[kPanelTextSize] = {};
    uint32_t skillsToChoose = 0;
    char skillsText[kPanelTextSize] = {};
    uint8_t questUpdated = 0;
    uint8_t questFailed = 0;
    uint8_t questFailedOpen = 0;
    uint8_t questGifts = 0;
    uint8_t questGiftsOpen = 0;
    uint32_t giftQuest = 0;
    char giftQuestText[kPanelTextSize] = {};
    uint8_t giftSkill = 0;
    uint32_t giftResources[6] = {};
    uint32_t giftExperience = 0;
    char giftTexts[7][kPanelTextSize] = {};
    uint8_t travelled = 0, sceneFlag2 = 0;
    uint8_t repairsNotice = 0;
    uint8_t repairsOpen = 0;
    uint32_t shipRepairCost = 0;
    uint8_t shipRepairShort = 0;
    uint8_t showShipSaved = 0;
    char shipRepairCostText[kPanelTextSize] = {};
    char shipRepairHadText[kPanelTextSize] = {};
    uint32_t robotRepairCost = 0;
    uint8_t noRobotsDamaged = 1;
    uint8_t robotRepairShort = 0;
    uint8_t robotRepairPartial = 0;
    char robotRepairCostText[kPanelTextSize] = {};
    char robotRepairHadText[kPanelTextSize] = {};
    char shieldsText[kPanelTextSize] = {};
    char armorText[kPanelTextSize] = {};
    char energyText[kPanelTextSize] = {};
    uint8_t skillBarShown = 0;
    int32_t region = 1;
    uint8_t buttonState[13] = {};
    uint8_t menuRowHover = 0;
    uint8_t clickTaken = 0;
    uint8_t clickedCode = 0;
    uint8_t hoverCode = 0;
    uint8_t leftPressed = 0, rightPressed = 0;
    uint8_t autoFireAllowed = 1;
    // A press was taken and both buttons have not been up since.
    uint8_t pressHeld = 0;

private:
    void NoteRelease(const InputDevice& mouse);
    void KeepPressedLook(uint8_t left, uint8_t right);
    void RunTimers();
    void DrawBar(int32_t shields, int32_t armor, int32_t energy, SpriteSheet* sharedSheet, uint32_t extraArmor,
                 uint32_t hardShields, uint32_t hardArmor, int32_t armorMax, uint32_t particleShields,
                 uint32_t shieldsRecharge, uint32_t shipProtection, uint32_t robotProtection, uint8_t fireMode);
    void DrawNotices(SpriteSheet* sharedSheet);
};
