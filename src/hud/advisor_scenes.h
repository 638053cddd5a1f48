#pragma once
#include <cstdint>

class AdvisorBubble;
class Font;
class SpriteSheet;

// The scenes that show the tutorial advisor, and what each of them does with
// it: where it puts it on entry, how it moves it and whether it draws the
// pointer arrow. The scenes not listed never show it.
enum class AdvisorScene : uint8_t {
    MainMenu,
    NameEntry,
    LoadGame,
    Options,
    Story,
    HomeBase,
    EarthSystem,
    YourShip,
    Buildings,
    Construct,
    MakeRobots,
    Quests,
};
inline constexpr int kAdvisorSceneCount = static_cast<int>(AdvisorScene::Quests) + 1;

// A scene moves the advisor with two frame steppers of its own choosing, the
// slide stepper and the bob stepper (GameApp's steppers 1 and 5 in the
// management scenes); each motion takes its step from one of them.
enum class AdvisorStepper : uint8_t { None, Slide, Bob };

struct AdvisorSceneValues {
    // A value the entry leaves as the scene before left it.
    static constexpr int32_t kKeep = -32768;

    // Entry.
    int32_t x, y;
    int32_t hint;
    int32_t style;
    int32_t arrowX, arrowY;
    int32_t bubbleShown, arrowShown;
    uint8_t clearsReturnHint;
    // Motion: the two steppers' speeds in pixels per second, which stepper
    // gives each direction, and the bob's band.
    int32_t slideSpeed, bobSpeed;
    AdvisorStepper bobUp, bobDown;
    int32_t minY, maxY;
    AdvisorStepper slideRight, slideLeft;  // None: no sideways slide
    // Alpha of the white pointer arrow; 0: the scene never draws it.
    uint8_t arrowAlpha;
};

const AdvisorSceneValues& AdvisorValuesFor(AdvisorScene scene);

// The entry frame: position, hint, style, arrow and visibility as the
// scene's values say; what they keep stays as it was.
void PlaceAdvisor(AdvisorBubble& advisor, const AdvisorSceneValues& values);

// This frame's steps of the scene's two steppers.
struct AdvisorSteps {
    uint8_t slide = 0;
    uint8_t bob = 0;
};

// One frame of a scene that shows the advisor, after the scene's own
// drawing and its hint rules: animation, bob, the sprite with its bubble,
// the sideways slide and the pointer arrow. Nothing while advisorOn is clear.
void ShowAdvisor(AdvisorBubble& advisor, const AdvisorSceneValues& values, AdvisorSteps steps, SpriteSheet* menuSheet,
                 Font* font);

// The Your Ship page's hint: "Upgrade your ship by" / "clicking on arrow."
// while the fitting differs from a new ship's (or once the ship has been
// upgraded) and the upgrade is affordable. Runs every frame.
void YourShipHint(AdvisorBubble& advisor, uint32_t itemsInstalled, bool upgradeAffordable, uint32_t upgradeCount);

// The Quests page's hints, on the screen's copies: the tutorial ends for the
// run once the set's first quest is done or its first ally has been bought
// with a quest selected; until then it points at "Use Favors", "Agree" and
// the directions in turn. Runs every frame before the advisor is drawn.
void QuestsHint(AdvisorBubble& advisor, uint8_t firstQuestState, uint8_t firstAllyBought, bool questSelected);
