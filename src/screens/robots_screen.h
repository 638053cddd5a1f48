#pragma once
#include <cstdint>
#include <memory>

#include "platform/number_text.h"
#include "screens/screen_protocol.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Robots page (key R): the player's robots, nine rows a page, with rank,
// stats and quality, or "BROKEN". Quality is raised for robot material, one
// robot by its arrow or all of them at once with a confirm box; each step
// adds a fixed amount per rank to all five stats.
class RobotsScreen {
public:
    static constexpr int kSlots = 100;
    static constexpr int kRanks = 4;
    static constexpr int kStats = 5;  // Shields, Armor, Protection, Attack, Defence
    static constexpr int kRowsPerPage = 9;
    static constexpr uint32_t kTopQuality = 255;  // a quality is one byte in the record

    // Hover and click codes.
    static constexpr uint8_t kCodeMakeRobots = 1;
    static constexpr uint8_t kCodePageUp = 2;
    static constexpr uint8_t kCodePageDown = 3;
    static constexpr uint8_t kCodeTenPagesUp = 4;
    static constexpr uint8_t kCodeTenPagesDown = 5;
    static constexpr uint8_t kCodeUpgradeAll = 10;
    static constexpr uint8_t kCodeFirstArrow = 11;  // 11..19, the upgrade arrows of the page's rows
    static constexpr uint8_t kCodeYes = 20;
    static constexpr uint8_t kCodeNo = 21;
    static constexpr uint8_t kCodeHeader = 30;
    static constexpr uint8_t kCodeList = 31;
    static constexpr uint8_t kCodeCountCorner = 32;
    static constexpr uint8_t kCodeArrowCorner = 33;
    static constexpr uint8_t kCodeBottomBar = 34;
    static constexpr uint8_t kCodeExitStatsHelp = 97;
    static constexpr uint8_t kCodeExitSmallHelp = 98;
    static constexpr uint8_t kCodeExitHeaderHelp = 99;

    enum Help { kHeaderHelp = 0, kStatsHelp, kCountHelp, kArrowsHelp, kMakeRobotsHelp, kHelpCount };

    RobotsScreen();
    virtual ~RobotsScreen();
    RobotsScreen(const RobotsScreen&) = delete;
    RobotsScreen& operator=(const RobotsScreen&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    // The release shared with the Make Robots and Notes screens.
    void FreeArt();
    void LayoutRows();
    void FormatNumbers();
    void Animate();
    void ComputeUpgradeCosts();
    void Draw(SpriteSheet* menuSheet, SpriteSheet* robotSheet);
    void HitTest(int32_t mouseX, int32_t mouseY);
    int OnClick(int32_t mouseX, int32_t mouseY, InputDevice* mouse);

    // Host steps: re-arm while no mouse button is down; scroll by a page
    // arrow's code (or a key's step); upgrade every robot that can be, on
    // the confirm box's Yes.
    void Rearm();
    void ScrollByCode(uint8_t code);
    void Scroll(int step);
    void UpgradeAll();
    bool AnyHelpOpen() const;
    void CloseHelps();
    // Raising the robot in a slot one quality step costs rank factor x quality.
    static uint32_t RankFactor(uint32_t kind);

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> font;
    // Copied in by the host.
    uint32_t protectionBonus = 0;
    uint32_t location = 0;
    uint32_t upgradeDiscount = 0;
    uint8_t robotCount = 0;
    uint8_t operationalCount = 0;
    uint8_t brokenCount = 0;
    uint8_t maxCount = 0;
    uint32_t maxQuality = 0;
    uint32_t material = 0;
    uint8_t exists[kSlots] = {};
    uint8_t listed[kSlots] = {};
    uint8_t operational[kSlots] = {};
    uint8_t row[kSlots] = {};
    uint8_t pictureFrame[kSlots] = {};
    uint32_t kind[kSlots] = {};
    uint32_t shields[kSlots] = {};
    uint32_t maxShields[kSlots] = {};
    uint32_t armor[kSlots] = {};
    uint32_t maxArmor[kSlots] = {};
    uint32_t protection[kSlots] = {};
    uint32_t attack[kSlots] = {};
    uint32_t defence[kSlots] = {};
    uint32_t quality[kSlots] = {};
    // Fixed.
    uint8_t qualityStepGains[kRanks][kStats] = {};
    // Derived.
    int32_t rowX[kSlots] = {};
    int32_t rowY[kSlots] = {};
    uint8_t upgradable[kSlots] = {};
    uint32_t upgradeCost[kSlots] = {};
    uint8_t anyUpgradable = 0;
    uint32_t totalUpgradeCost = 0;
    char totalText[kNumberTextSize] = {};
    uint8_t page = 0;
    char pageText[kNumberTextSize] = {};
    char costText[kNumberTextSize] = {};
    char materialText[kNumberTextSize] = {};
    char countText[kNumberTextSize] = {};
    char operationalText[kNumberTextSize] = {};
    char brokenText[kNumberTextSize] = {};
    char maxQualityText[kNumberTextSize] = {};
    char maxCountText[kNumberTextSize] = {};
    uint8_t countsDirty = 0;
    uint8_t pageDirty = 0;
    // Interaction.
    uint8_t hoverCode = 0;
    uint8_t clickCode = 0;
    uint8_t leftClick = 0;
    uint8_t rightClick = 0;
    uint8_t hoverEnabled = 1;
    uint8_t makeRobotsRequest = 0;
    uint8_t confirmAll = 0;
    uint8_t yesRequest = 0;
    uint8_t recomputeRequest = 1;
    uint8_t helpOpen[kHelpCount] = {};
    uint8_t helpPeek[kHelpCount] = {};
    uint8_t shortMaterial = 0;
    uint32_t neededMaterial = 0;
    uint8_t shortMaterialAll = 0;
    uint8_t upgradedAll = 0;
    uint8_t allAtMax = 0;
    uint8_t reachedMax = 0;
    uint8_t notAtBase = 0;
    uint8_t flash[kSlots] = {};
    uint8_t flashFading[kSlots] = {};
    float starAngle = 0.0f;
    uint8_t hoverSound = 0;
    uint8_t lastHoverSound = 0;
    uint8_t stampSound = 0;  // 1 requested, 2 play now
    uint8_t helpClickSound = 0;
    uint8_t upgradeSound = 0;
    uint8_t stampArmed = 1;
    uint8_t helpClickArmed = 0;
    ScreenTick tick;

private:
    // The screen row top of a slot on the current page.
    int64_t ScreenTop(int slot) const;
    int SlotInPageRow(int pageRow) const;
    bool CanRaise(int slot) const;
    void RaiseQuality(int slot);
    void UpgradeOne(int slot);
    void HitButtons(int32_t mouseX, int32_t mouseY);
    void HitHelpAreas(int32_t mouseX, int32_t mouseY);
    void DrawPanels(SpriteSheet* menu);
    void DrawRobot(SpriteSheet* menu, SpriteSheet* robotSheet, int slot);
    void DrawTexts();
    void DrawArrows(SpriteSheet* menu);
    void DrawConfirm(SpriteSheet* menu);
    void DrawMessages(SpriteSheet* menu);
    void DrawHelps(SpriteSheet* menu);
};
