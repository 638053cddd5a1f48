#include "platform/sprite_sheet.h"
#include "screens/construct_screen.h"
#include "screens/screen_drawing.h"

namespace {

// The question's description of each kind, up to five lines.
struct Description {
    const char* lines[5];
};
constexpr Description kDescriptions[ConstructScreen::kKinds] = {
    {{"Storage facility is an extra place for storing", "your items. Each Storage has space for 12 ",
      "items. This is the only building that is not", "upgradable."}},
    {{"This facility allows your ship and robots to", "be repaired. Each upgrade lowers your ship's",
      "repair by 3 and each robot's repair by 1."}},
    {{"Each facility lowers your ship's repair by 20.", "Each upgrade lowers your ship's repair by 10."}},
    {{"Each facility lowers each robot's repair by 5.", "Each upgrade lowers each robot's repair by 3."}},
    {{"Each lab allows you to get 12 extra gold", "while upgrading allows 6 extra gold each time",
      "you find or receive some."}},
    {{"Each lab allows you to get 12 extra crystal", "while upgrading allows 6 extra crystal each",
      "time you find or receive some."}},
    {{"Each center allows you to get 2 more of each ", "resource while upgrading allows you to get 1",
      "extra of each resource any time you find", "or receive some."}},
    {{"Each office allows you to get 12 extra favors", "while upgrading allows 6 extra favor each",
      "time you find or receive some."}},
    {{"This facility makes your ship cheaper to", "upgrade. Constructing this facility will lower",
      "your ship's upgrade cost by 100. Upgrading", "this facility will lower your ship's upgrade", "cost by 50."}},
    {{"This facility makes your robots cheaper to", "upgrade and make. Each facility lowers the",
      "cost of making a robot by 100. Upgrading this", "facility will lower your robot's upgrade cost", "by 50."}},
    {{"Each facility allows you to get 12 extra ", "building material. Upgrading this facility",
      "allows you to get 6 extra building material."}},
    {{"Robot Factories are needed to make robots.", "Constructing a factory will raise the maximum",
      "robot count by 3. Upgrading the factory ", "will raise the max robot quality by 1."}},
};

constexpr HelpText kKindHelp[ConstructScreen::kKinds] = {
    {"Storage Facility",
     {"Storage facility is an extra place for storing your items.",
      "Each Storage has space for 12 items. This is the only", "building that is not upgradable."}},
    {"General Repair Facility",
     {"This facility allows your ship and robots to be ", "repaired. Each upgrade lowers your ship's ",
      "repair by 3 and each robot's repair by 1."}},
    {"Ship Repair Facility",
     {"Each facility lowers your ship's repair by 20;", "Each upgrade lowers your ship's repair by 10."}},
    {"Robot Repair Facility",
     {"Each facility lowers each robot's repair by 5.", "Each upgrade lowers each robot's repair by 3."}},
    {"Gold Lab",
     {"Each lab allows you to get 12 extra gold", "while upgrading allows 6 extra gold each",
      "time you find or receive some."}},
    {"Crystal Lab",
     {"Each lab allows you to get 12 extra crystal", "while upgrading allows 6 extra crystal each",
      "time you find or receive some."}},
    {"Wealth Center",
     {"Each center allows you to get 2 more of each resource", "while upgrading allows you to get 1 extra of each",
      "resource any time you find or receive some."}},
    {"Favors Office",
     {"Each office allows you to get 12 extra favors", "while upgrading allows 6 extra favor each",
      "time you find or receive some."}},
    {"Ship Research Facility",
     {"This facility makes your ship cheaper to upgrade.", "Each facility lowers your ship's upgrade",
      "cost by 100. Each facility upgrade lowers", "your ship's upgrade cost by 50."}},
    {"Robot Research Facility",
     {"This facility makes your robots cheaper to upgrade", "and make. Each facility lowers the cost of making",
      "a robot by 100. Each facility upgrade lowers", "your robot's upgrade cost by 50."}},
    {"Building Research Facility",
     {"Each facility allows 12 extra building material to be ", "found while each upgrade of this facility allows ",
      "6 extra material to be found."}},
    {"Robot Factory",
     {"Robot Factories are needed to make robots.", "Each factory raises the maximum robot count by 3. ",
      "Each factory upgrade raises the max robot quality by 1."}},
};

constexpr HelpText kTopBarHelp = {"Constructing Buildings",
                                  {"The cost of construction goes up in each category",
                                   "when you construct new buildings. The cost of",
                                   "upgrading each building also goes up."}};

constexpr int kTileStepX = 200;
constexpr int kTileStepY = 180;
constexpr uint32_t kQuestionColour = 0xE6FFD2D2u;
constexpr uint32_t kQuestionGlow = 0x87FF3232u;
constexpr uint32_t kAnswerLit = 0xCDFA3232u;
constexpr uint32_t kAnswerGlow = 0x8496E68Cu;
constexpr ScreenRect kHelpFill = ScaledFill(199, 140, 14.8f, 6.6f);

// While the question is open its panels cover these two tiles' pictures and texts.
bool HiddenByQuestion(int kind) { return kind == kCrystalLab || kind == kWealthCenter; }

}  // namespace

void ConstructScreen::Draw(SpriteSheet* menuSheet, SpriteSheet* buildingSheet) {
    DrawFill(menuSheet, menu_art::kPlainFill, ScaledFill(6, 6, 25, 1.6f));
    DrawEdgeFrame(menuSheet, Between(0, 0, 800, 55));
    DrawTiles(menuSheet, buildingSheet);
    DrawLabel(font.get(), "Your Building Material:", 40, 20);
    DrawLabel(font.get(), materialText, 225, 20);
    DrawLabel(font.get(), "Building Count:", 540, 20);
    DrawLabel(font.get(), countText, 665, 20);
    for (int kind = 0; kind < kKinds; ++kind) {
        if (chosen && HiddenByQuestion(kind)) continue;
        const int c = kind % kColumns;
        const int r = kind / kColumns;
        const int nameX = kind == kBuildingResearch ? 430 : 50 + kTileStepX * c;
        const int costX = kind == kBuildingResearch ? 450 : nameX;
        DrawLabel(font.get(), BuildingKindName(kind), nameX, 140 + kTileStepY * r);
        DrawLabel(font.get(), costTexts[ConstructionCostSlot(kind)], costX, 170 + kTileStepY * r);
    }
    if (chosen) DrawQuestion(menuSheet);
    if (notEnoughTimer) {
        DrawMessageBox(menuSheet, font.get(), ScaledFill(230, 260, 10.8f, 2.4f), "Not enough material", 317, 290);
    }
    DrawHelp(menuSheet);
    if (notAtBaseTimer) {
        DrawMessageBox(menuSheet, font.get(), ScaledFill(218, 260, 11.5f, 2.4f),
                       "You must be at Base to construct buildings.", 230, 290);
    }
}

void ConstructScreen::DrawTiles(SpriteSheet* menu, SpriteSheet* buildingSheet) {
    for (int kind = 0; kind < kKinds; ++kind) {
        const uint8_t code = static_cast<uint8_t>(kind + 1);
        const int c = kind % kColumns;
        const int r = kind / kColumns;
        const float left = static_cast<float>(6 + kTileStepX * c);
        const float top = static_cast<float>(66 + kTileStepY * r);
        int fill = menu_art::kPlainFill;
        if (hoverCode == code) fill = menu_art::kLitFill;
        if (clickCode == code) fill = menu_art::kPressedFill;
        DrawFill(menu, fill, ScaledFill(left, top, 6, 5.3f));
        DrawGlow(menu, 1, left, top, 2.94f, 2.68f, 0x2864E6FAu);
        DrawGlow(menu, 0, left, top, 2.94f, 2.68f, 0x20FAFAFAu);
        if (buildingSheet != nullptr && !(chosen && HiddenByQuestion(kind))) {
            buildingSheet->Draw(kind, 0, static_cast<float>(68 + kTileStepX * c), static_cast<float>(70 + kTileStepY * r),
                                kOpaqueWhite, 1.0f, 1.0f, 0, 0.0f);
        }
        const float frameLeft = static_cast<float>(kTileStepX * c);
        const float frameTop = static_cast<float>(60 + kTileStepY * r);
        DrawEdgeFrame(menu, Between(frameLeft, frameTop, frameLeft + 201, frameTop + 181));
    }
}

void ConstructScreen::DrawQuestion(SpriteSheet* menu) {
    const int kind = chosen >= kCodeFirstTile && chosen <= kCodeLastTile ? chosen - 1 : 0;
    DrawGlow(menu, 1, 185, 60, 6.61f, 3.2f, kQuestionGlow);
    DrawFillWithFrame(menu, menu_art::kPressedFill, ScaledFill(213, 80, 11.8f, 4.5f), kQuestionColour);
    DrawGlow(menu, 1, 202, 240, 6.2f, 2.8f, kQuestionGlow);
    DrawFillWithFrame(menu, menu_art::kPressedFill, ScaledFill(230, 260, 10.8f, 3.8f), kQuestionColour);
    DrawAnswerButton(menu, font.get(), 313, 334, clickCode == kCodeYes, hoverCode == kCodeYes, "Yes", 320, 340,
                     kAnswerLit, kAnswerGlow);
    DrawAnswerButton(menu, font.get(), 428, 334, clickCode == kCodeNo, hoverCode == kCodeNo, "No", 440, 340, kAnswerLit,
                     kAnswerGlow);
    DrawLabel(font.get(), "Construct:", 280, 268);
    DrawLabel(font.get(), BuildingKindName(kind), 370, 268);
    int y = 90;
    for (const char* line : kDescriptions[kind].lines) {
        if (line == nullptr) break;
        DrawLabel(font.get(), line, 222, y);
        y += 23;
    }
    DrawLabel(font.get(), chosenCostText, 330, 286);
    DrawLabel(font.get(), "Cost:", 280, 286);
    DrawLabel(font.get(), "Proceed?", 355, 310);
}

void ConstructScreen::DrawHelp(SpriteSheet* menu) {
    if (helpOpen || helpHeld) {
        DrawHelpBox(menu, font.get(), kHelpFill, kTopBarHelp, 223, 160, 200);
        if (helpOpen) {
            ExitLook look;
            look.glow = 0xACFAAA8Cu;
            DrawExitButton(menu, font.get(), 395, 310, hoverCode == kCodeExitHelp, 406, 317, look);
        }
    }
    for (int kind = 0; kind < kKinds; ++kind) {
        if (kindHelpHeld[kind]) DrawHelpBox(menu, font.get(), kHelpFill, kKindHelp[kind], 223, 160, 200);
    }
}
