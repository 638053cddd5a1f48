#include <initializer_list>
#include <cstring>
#include <iterator>

#include "platform/sprite_sheet.h"
#include "screens/make_robots_screen.h"
#include "screens/screen_drawing.h"

namespace {

constexpr const char* kRankNames[MakeRobotsScreen::kRanks] = {"Grunt", "Sarge", "Captain", "General"};
constexpr const char* kConfirmNames[MakeRobotsScreen::kRanks] = {"Grunt", "Seargant", "Captain", "General"};
constexpr const char* kStatLabels[MakeRobotsScreen::kStats] = {"Shields", "Armor", "Protection", "Attack", "Defence"};
constexpr int kStatX[MakeRobotsScreen::kStats] = {230, 345, 450, 590, 700};
constexpr const char* kStepLabels[MakeRobotsScreen::kStats] = {"Shields:", "Armor:", "Protection:", "Attack:",
                                                              "Defence:"};

struct HeaderText {
    const char* label;
    int labelX, y, valueX;
};

constexpr HelpText kGeneralHelp = {"Making Robots",
                                   {"The new robots you make get the current max quality.",
                                    "Each Sarge wants 2 grunts, each Captain wants",
                                    "4 grunts and each General wants 7 grunts. ",
                                    "Good news is that they share those grunts! "}};
constexpr HelpText kRankHelp[MakeRobotsScreen::kRanks] = {
    {"Grunt",
     {"The main force of your army are the brave grunts.", "They are cheap to make, upgrade, and repair. ",
      "Quality going up increases the grunt stats by:"}},
    {"Sarge",
     {"The sarge is stronger and tougher than the grunt and", "yet they are much cheaper than the other officers. ",
      "Quality going up increases the sarge stats by:"}},
    {"Captain",
     {"The captain is tough and will survive many battles.", "They have a good increase in firepower too. ",
      "Quality going up increases the captain stats by:"}},
    {"General",
     {"The general is a powerfull fighting machine.", "The general costs more but is sure worth it. ",
      "Quality going up increases the general stats by:"}},
};

constexpr int kRowTop = 60;
constexpr int kRowStep = 135;
constexpr int kSarge = 1;
constexpr int kCaptain = 2;
constexpr const char* kMayBuild = "You may build";
constexpr uint32_t kStatColour = 0xFF960A0Au;
constexpr uint32_t kMayBuildColour = 0xFF0A500Au;
constexpr uint32_t kCannotColour = 0xFF960A0Au;
constexpr uint32_t kBlockGlow = 0x6496C8FAu;
constexpr uint32_t kAnswerLit = 0xC8FF0A0Au;
constexpr uint32_t kAnswerGlow = 0x8496E68Cu;
constexpr ScreenRect kMessageBox = Between(223, 260, 578, 343);

// The confirm box covers the Sarge's and the Captain's first three stats.
bool CoveredByConfirm(int rank, int stat) { return (rank == kSarge || rank == kCaptain) && stat < 3; }

}  // namespace

void MakeRobotsScreen::Draw(SpriteSheet* menuSheet, SpriteSheet* robotSheet) {
    ComputeShortfalls();
    DrawFill(menuSheet, menu_art::kPlainFill, {6, 6, 800, 51});
    DrawEdgeFrame(menuSheet, Between(0, 0, 800, 63));
    for (int rank = 0; rank < kRanks; ++rank) DrawRank(menuSheet, robotSheet, rank);
    constexpr HeaderText kHeader[] = {
        {"Your Robot Material:", 30, 10, 200}, {"Robot Count:", 300, 10, 409}, {"Max Count:", 480, 10, 574},
        {"Max Quality:", 644, 10, 748},        {"Grunts:", 260, 30, 321},      {"Seargants:", 370, 30, 460},
        {"Captains:", 510, 30, 591},           {"Generals:", 640, 30, 722},
    };
    const char* values[] = {materialText,      robotCountText,    maxCountText,      maxQualityText,
                            rankCountTexts[0], rankCountTexts[1], rankCountTexts[2], rankCountTexts[3]};
    for (size_t i = 0; i < std::size(kHeader); ++i) {
        DrawLabel(font.get(), kHeader[i].label, kHeader[i].labelX, kHeader[i].y);
        DrawLabel(font.get(), values[i], kHeader[i].valueX, kHeader[i].y);
    }
    for (int rank = 0; rank < kRanks; ++rank) {
        const int y = kRowTop + kRowStep * rank;
        DrawLabel(font.get(), kRankNames[rank], 40, y + 104);
        DrawLabel(font.get(), costTexts[rank], 110, y + 104);
        for (int stat = 0; stat < kStats; ++stat) {
            if (confirmRank && CoveredByConfirm(rank, stat)) continue;
            DrawBoxedLabel(font.get(), kStatLabels[stat], kStatX[stat], y + 25, 80);
            const char* value = stat == 0 && statGains[rank][0] == 0 ? "None" : statGainTexts[rank][stat];
            DrawLabel(font.get(), value, kStatX[stat], y + 50, kStatColour);
        }
        if (confirmRank && rank == kSarge) continue;
        char message[96];
        FormatRankMessage(rank, message, sizeof message);
        const bool may = std::strncmp(message, kMayBuild, std::strlen(kMayBuild)) == 0;
        DrawBoxedLabel(font.get(), message, 230, y + 100, 580, may ? kMayBuildColour : kCannotColour);
    }
    if (confirmRank) DrawConfirm(menuSheet);
    DrawMessages(menuSheet);
    DrawHelps(menuSheet);
    if (notAtBase) DrawMessageBox(menuSheet, font.get(), kMessageBox, "You must be at Base to make robots.", 250, 290);
}

void MakeRobotsScreen::DrawRank(SpriteSheet* menu, SpriteSheet* robotSheet, int rank) {
    const uint8_t code = static_cast<uint8_t>(kCodeFirstRank + rank);
    const float y = static_cast<float>(kRowTop + kRowStep * rank);
    int tile = menu_art::kPlainFill;
    if (hoverCode == code) tile = menu_art::kLitFill;
    if (clickCode == code) tile = menu_art::kPressedFill;
    DrawFill(menu, tile, {6, y + 6, 192, 128});
    DrawEdgeFrame(menu, Between(0, y, 201, y + 136));
    DrawFramedFill(menu, menu_art::kPlainFill, Between(200, y, 800, y + 136));
    DrawGlow(menu, 0, 44, y + 10, 1.3f, 1.3f, kBlockGlow);
    DrawFill(menu, menu_art::kPictureBack, {65, y + 30, 40, 48});
    if (menu != nullptr) {
        for (float lineY : {y + 30, y + 78}) {
            menu->Draw(menu_art::kBlockLine, 0, 65, lineY - 2, kOpaqueWhite, 40.0f / 32.0f, 1.0f, 0, 0.0f);
        }
    }
    if (sheet != nullptr) sheet->Draw(0, 0, 75, y + 35, kOpaqueWhite, 0.64f, 0.64f, 0, 0.0f);
    if (robotSheet != nullptr) robotSheet->Draw(rank, 0, 78, y + 38, kOpaqueWhite, 1.1f, 1.1f, 0, 0.0f);
}

void MakeRobotsScreen::DrawConfirm(SpriteSheet* menu) {
    const int rank = confirmRank >= 1 && confirmRank <= kRanks ? confirmRank - 1 : 0;
    DrawGlow(menu, 1, 215, 220, 5.8f, 2.7f, 0x87FF3232u);
    DrawFramedFill(menu, menu_art::kPlainFill, Between(223, 260, 578, 386));
    DrawLabel(font.get(), "Make:", 280, 268);
    DrawLabel(font.get(), kConfirmNames[rank], 340, 268);
    DrawLabel(font.get(), "Cost:", 280, 286);
    DrawLabel(font.get(), chosenCostText, 330, 286);
    DrawLabel(font.get(), "Proceed?", 355, 310);
    DrawAnswerButton(menu, font.get(), 313, 334, clickCode == kCodeYes, hoverCode == kCodeYes, "Yes", 320, 340,
                     kAnswerLit, kAnswerGlow);
    DrawAnswerButton(menu, font.get(), 428, 334, clickCode == kCodeNo, hoverCode == kCodeNo, "No", 440, 340, kAnswerLit,
                     kAnswerGlow);
}

void MakeRobotsScreen::DrawMessages(SpriteSheet* menu) {
    struct Message {
        uint8_t shown;
        const char* text;
        int x;
    };
    const Message messages[] = {
        {notEnoughMaterial, "Not enough material", 317},
        {maxCountReached, "You hit Max Robot Count", 301},
        {needMoreGrunts, "Need more grunts.", 323},
        {needFactory, "You need a Robot Factory.", 293},
    };
    for (const Message& message : messages) {
        if (message.shown) DrawMessageBox(menu, font.get(), kMessageBox, message.text, message.x, 290);
    }
}

void MakeRobotsScreen::DrawHelps(SpriteSheet* menu) {
    if (generalHelpOpen || generalHelpPeek) {
        DrawFramedFill(menu, menu_art::kPopupFill, Between(198, 140, 673, 356));
        DrawHelpText(font.get(), kGeneralHelp, 223, 155, 185);
        if (generalHelpOpen) {
            DrawExitButton(menu, font.get(), 395, 310, hoverCode == kCodeExitGeneralHelp, 406, 317);
        }
    }
    for (int rank = 0; rank < kRanks; ++rank) {
        if (!rankHelpOpen[rank] && !rankHelpPeek[rank]) continue;
        DrawFramedFill(menu, menu_art::kPopupFill, Between(198, 140, 673, 478));
        DrawHelpText(font.get(), kRankHelp[rank], 223, 155, 185);
        for (int stat = 0; stat < kStats; ++stat) {
            const int y = 275 + 30 * stat;
            DrawLabel(font.get(), kStepLabels[stat], 223, y, kHelpLineColour);
            DrawNumber(font.get(), qualityStepGains[rank][stat], 360, y, kHelpLineColour);
        }
        if (rankHelpOpen[rank]) DrawExitButton(menu, font.get(), 395, 430, hoverCode == kCodeExitRankHelp, 406, 437);
    }
}
