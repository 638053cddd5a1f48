#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/number_text.h"
#include "screens/screen_protocol.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Make Robots page (key M): the four ranks Grunt, Sarge, Captain and
// General with their costs, the stats a new robot gets, and whether one can
// be made now. A left click on a rank checks the rules (home base, count,
// grunt ratio, material, factory) and opens the confirm box; on Yes the host
// makes the robot from the values the screen prepared.
class MakeRobotsScreen {
public:
    static constexpr int kRanks = 4;
    static constexpr int kStats = 5;       // Shields, Armor, Protection, Attack, Defence
    static constexpr uint8_t kTableSize = 100;  // robots the record's table holds

    // Hover and click codes.
    static constexpr uint8_t kCodeFirstRank = 1;  // 1..4, the left part of a rank row
    static constexpr uint8_t kCodeYes = 13;
    static constexpr uint8_t kCodeNo = 14;
    static constexpr uint8_t kCodeHeader = 20;
    static constexpr uint8_t kCodeFirstRankHelp = 21;  // 21..24, the whole rank row
    static constexpr uint8_t kCodeExitRankHelp = 98;
    static constexpr uint8_t kCodeExitGeneralHelp = 99;

    MakeRobotsScreen();
    virtual ~MakeRobotsScreen();
    MakeRobotsScreen(const MakeRobotsScreen&) = delete;
    MakeRobotsScreen& operator=(const MakeRobotsScreen&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    // The release shared with the Robots and Notes screens.
    void FreeArt();
    void Animate();
    void UpdateTexts();
    void CheckMake();
    void Draw(SpriteSheet* menuSheet, SpriteSheet* robotSheet);
    void HitTest(int32_t mouseX, int32_t mouseY);
    int Click(int32_t mouseX, int32_t mouseY, InputDevice* mouse);

    // Host step: while no mouse button is down.
    void Rearm();
    bool AnyHelpOpen() const;
    void CloseHelps();
    // Grunts missing for one more robot of each rank above Grunt (0 none),
    // from the ranks made so far; only a base with a factory counts them.
    void ComputeShortfalls();
    // No more robots while the count is at the maximum, or at the table's
    // 100 slots whatever the maximum says.
    bool CountAtLimit() const;
    // The line under a rank's stats: whether one can be made, or why not.
    void FormatRankMessage(int rank, char* out, size_t size) const;
    uint32_t CostAfterDiscount(int rank) const;

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> font;
    // Copied in by the host.
    uint32_t location = 0;
    uint32_t makeDiscount = 0;
    uint8_t hasFactory = 0;
    uint8_t robotCount = 0;
    uint8_t maxCount = 0;
    uint8_t maxQuality = 0;
    uint8_t rankCounts[kRanks] = {};
    uint32_t material = 0;
    uint32_t makeCosts[kRanks] = {};
    uint32_t statGains[kRanks][kStats] = {};
    // Fixed.
    uint8_t qualityStepGains[kRanks][kStats] = {};
    // Derived.
    uint32_t costsAfterDiscount[kRanks] = {};
    uint32_t chosenCost = 0;
    int32_t gruntShortfall = 0;
    uint8_t shortfall[kRanks - 1] = {};  // Sarge, Captain, General
    char robotCountText[kNumberTextSize] = {};
    char maxCountText[kNumberTextSize] = {};
    char maxQualityText[kNumberTextSize] = {};
    char rankCountTexts[kRanks][kNumberTextSize] = {};
    char materialText[kNumberTextSize] = {};
    char costTexts[kRanks][kNumberTextSize] = {};
    char statGainTexts[kRanks][kStats][kNumberTextSize] = {};
    char chosenCostText[kNumberTextSize] = {};
    uint8_t textsDirty = 0;
    // Interaction.
    uint8_t hoverCode = 0;
    uint8_t clickCode = 0;
    uint8_t leftClick = 0;
    uint8_t rightClick = 0;
    uint8_t buttonsReleased = 0;
    uint8_t confirmRank = 0;  // rank + 1 in the confirm box, 0 none
    uint8_t yesRequest = 0;
    uint8_t noRequest = 0;
    uint8_t generalHelpOpen = 0;
    uint8_t generalHelpPeek = 0;
    uint8_t rankHelpOpen[kRanks] = {};
    uint8_t rankHelpPeek[kRanks] = {};
    uint8_t notEnoughMaterial = 0;
    uint8_t maxCountReached = 0;
    uint8_t needMoreGrunts = 0;
    uint8_t needFactory = 0;
    uint8_t notAtBase = 0;
    ScreenTick tick;
    uint8_t hoverSound = 0;
    uint8_t lastHoverSound = 0;
    uint8_t stampSound = 0;  // 1 requested, 2 play now
    uint8_t helpClickSound = 0;
    uint8_t makeSound = 0;
    uint8_t stampArmed = 1;      // the buttons were released since the last stamp
    uint8_t helpClickArmed = 0;  // the same for the help click
    uint8_t makeAllowed = 0;
    // The robot prepared for the host.
    uint8_t newKind = 0;
    uint8_t newPictureFrame = 0;
    uint32_t newStats[kStats] = {};  // Shields, Armor, Attack, Defence, Protection

private:
    bool OtherRankHelpOpen(int rank) const;
    void DrawRank(SpriteSheet* menu, SpriteSheet* robotSheet, int rank);
    void DrawConfirm(SpriteSheet* menu);
    void DrawMessages(SpriteSheet* menu);
    void DrawHelps(SpriteSheet* menu);
};
