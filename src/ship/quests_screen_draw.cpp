#include <cstdio>
#include <cstring>

#include "platform/font.h"
#include "platform/sprite_sheet.h"
#include "ship/quests_screen.h"
#include "ship/quests_screen_texts.h"

namespace {

// Menu-sheet images.
constexpr int kCorners = 1, kEdgeH = 2, kEdgeV = 3, kBack1 = 5, kBack3 = 20, kRim = 21, kLit = 22, kPanel = 28,
              kGlow = 33;
// The screen's own images.
constexpr int kFavorRim = 4, kQuestionMark = 5, kDoneStamp = 6, kUpdateFlash = 7;

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kDark = 0xFF323232u;
constexpr uint32_t kRed = 0xFFFF3232u;
constexpr uint32_t kGrey = 0xFF969696u;
constexpr uint32_t kBlue = 0xFF3250D2u;
constexpr uint32_t kHelpComing = 0xFF3232FAu;
constexpr uint32_t kCostColour = 0xFFFA3232u;
constexpr uint32_t kFaded = 0x9BFFFFFFu;

constexpr int kColumns = 4;
constexpr float kFlashFullHeight = 20.625f;
constexpr float kFlashFullWidth = 25.0f;
constexpr int kLastThreeRobotQuest = 8;
constexpr float kShipCentreTurn = -1.57f;
constexpr int kShipCentre = 32;
constexpr const char* kCaptainsPrefix = "Captains Chris and Richard";
constexpr float kAgreeY[kAlliesPerQuest] = {255.0f, 342.0f, 429.0f};

float F(int v) { return static_cast<float>(v); }

struct Box {
    int x, y;
};
// Top-left of box n's area.
Box BoxOrigin(int box) { return {200 * ((box - 1) % kColumns), 45 + 165 * ((box - 1) / kColumns)}; }

// Edges, sides and corners around a panel.
struct PanelFrame {
    float edgeX, topY, bottomY, edgeWidth;
    float leftX, rightX, sideY, sideHeight;
    float cornerRightX, cornerBottomY;
};

void DrawPanelFrame(SpriteSheet* menu, const PanelFrame& f) {
    menu->Draw(kEdgeH, 0, f.edgeX, f.topY, kWhite, f.edgeWidth, 1.0f, 0, 0.0f);
    menu->Draw(kEdgeH, 1, f.edgeX, f.bottomY, kWhite, f.edgeWidth, 1.0f, 0, 0.0f);
    menu->Draw(kEdgeV, 0, f.leftX, f.sideY, kWhite, 1.0f, f.sideHeight, 0, 0.0f);
    menu->Draw(kEdgeV, 1, f.rightX, f.sideY, kWhite, 1.0f, f.sideHeight, 0, 0.0f);
    menu->Draw(kCorners, 0, f.leftX, f.topY, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 1, f.cornerRightX, f.topY, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 2, f.leftX, f.cornerBottomY, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 3, f.cornerRightX, f.cornerBottomY, kWhite, 1.0f, 1.0f, 0, 0.0f);
}

// The top band and the bottom bar share their shape.
void DrawBand(SpriteSheet* menu, float top, float fillHeight, float bottomEdgeY, float cornerBottomY) {
    menu->Draw(kBack1, 0, 6.0f, top + 6.0f, kWhite, 26.0f, fillHeight, 0, 0.0f);
    DrawPanelFrame(menu, {18.0f, top, bottomEdgeY, 47.7f, 0.0f, 793.0f, top + 13.0f, 2.1f, 769.0f, cornerBottomY});
}

}  // namespace

void QuestsScreen::Text(const char* text, int x, int y, uint32_t colour, int width) {
    if (font && text) font->DrawText(text, x, y, width, 32, colour, DT_LEFT);
}

void QuestsScreen::DrawExit(SpriteSheet* menu, float x, float y, uint8_t code) {
    menu->Draw(hover == code ? kLit : kBack1, 0, x, y, kWhite, 1.6f, 1.1f, 0, 0.0f);
    menu->Draw(kRim, 0, x, y, kWhite, 1.6f, 1.1f, 0, 0.0f);
    menu->Draw(kGlow, 0, x, y, 0x62FF6E6Eu, 0.8f, 0.55f, 0, 0.0f);
    Text("Exit", static_cast<int>(x) + 11, static_cast<int>(y) + 7, kDark, 80);
}

void QuestsScreen::DrawFrame(SpriteSheet* menu, SpriteSheet* /*favors*/) {
    if (!menu) return;
    DrawBand(menu, 0.0f, 2.0f, 38.0f, 15.0f);
    if (font) font->Begin();
    Text(QuestSetHeading(questSet), questSet == 2 ? 355 : 350, 13, kDark, 200);
    if (font) font->End();
    for (int box = 1; box <= kBoxes; ++box) {
        const Box origin = BoxOrigin(box);
        const float x = F(origin.x + 4), y = F(origin.y + 18);
        menu->Draw(kBack1, 0, x + 2.0f, y - 12.0f, kWhite, 6.0f, 5.2f, 0, 0.0f);
        menu->Draw(kGlow, 0, x, y - 12.0f, 0x4BFFC8C8u, 3.0f, 2.4f, 0, 0.0f);
        DrawPanelFrame(menu, {x + 14.0f, y - 18.0f, y + 140.0f, 10.4f, x - 4.0f, x + 189.0f, y, 8.9f, x + 165.0f,
                              y + 117.0f});
    }
    DrawBand(menu, 540.0f, 1.8f, 592.0f, 569.0f);
}

void QuestsScreen::DrawContents(SpriteSheet* menu, SpriteSheet* favors) {
    if (!menu) return;
    if (font) font->Begin();
    DrawBoxes();
    DrawUpdatedFlash();
    DrawFavorButtons(menu);
    if (selectedQuest >= 1 && selectedQuest <= kBoxes) DrawAllyPanel(menu, favors);
    if (notEnoughBlink != 0) DrawNotEnough(menu);
    if (briefingPeek != 0 || briefingOpen != 0) DrawBriefing(menu);
    DrawSummary();
    if (notesOpen != 0 || notesPeek != 0) DrawNote(menu);
    if (font) font->End();
}

void QuestsScreen::DrawBoxes() {
    char label[16];
    for (int box = 1; box <= kBoxes; ++box) {
        const Box origin = BoxOrigin(box);
        const int quest = QuestInBox(box);
        const QuestText& texts = QuestTexts(quest);
        const uint8_t state = questStates[box - 1];
        std::snprintf(label, sizeof label, "Quest %d", quest);
        Text(label, origin.x + 68, origin.y + 120, kDark);
        if (state == kNotGiven) {
            if (sheet) sheet->Draw(kQuestionMark, 0, F(origin.x + 85), F(origin.y + 55), 0xC3FFFFFFu, 1, 1, 0, 0);
            continue;
        }
        Text(texts.subtitle, texts.subtitleX, origin.y + 138, kDark);
        if (!sheet) continue;
        if (state == kActive) {
            const QuestPicture& p = texts.picture;
            sheet->Draw(p.image, p.frame, p.x, p.y, p.colour, 1.0f, 1.0f, 0, 0.0f);
        } else if (state == kDone) {
            sheet->Draw(kDoneStamp, 0, F(origin.x + 68), F(origin.y + 65), box == 2 ? 0x8CFFFFFFu : kFaded, 1.0f,
                        1.0f, 0, 0.0f);
        }
    }
}

void QuestsScreen::DrawUpdatedFlash() {
    if (questsUpdated == 0 || !sheet || (!pulseGrowing && !pulseShrinking)) return;
    for (int box = 1; box <= kBoxes; ++box) {
        if (questUpdated[box - 1] != 1) continue;
        const Box origin = BoxOrigin(box);
        const float sx = pulseGrowing ? pulse : kFlashFullWidth;
        const float sy = pulseGrowing ? kFlashFullHeight : pulse;
        sheet->Draw(kUpdateFlash, 0, F(origin.x), F(origin.y), kFaded, sx, sy, 0, 0.0f);
    }
}

void QuestsScreen::DrawFavorButtons(SpriteSheet* menu) {
    for (int box = 1; box <= kBoxes; ++box) {
        if (questStates[box - 1] != kActive) continue;
        const float x = F(32 + 200 * ((box - 1) % kColumns)), y = F(65 + 165 * ((box - 1) / kColumns));
        if (pressedCode != box) {
            menu->Draw(kLit, 0, x, y, hover == box ? kWhite : 0xB7FFFF73u, 4.2f, 1.1f, 0, 0.0f);
        }
        menu->Draw(kGlow, 1, x - 2.0f, y, 0x5FFFC8C8u, 2.1f, 0.55f, 0, 0.0f);
        if (sheet) sheet->Draw(kFavorRim, 0, x - 1.0f, y, kWhite, 4.3f, 1.1f, 0, 0.0f);
        Text("Use Favors?", static_cast<int>(x) + 17, static_cast<int>(y) + 7, kDark, 200);
    }
}

void QuestsScreen::DrawAllyPanel(SpriteSheet* menu, SpriteSheet* favors) {
    menu->Draw(kPanel, 0, 209.0f, 140.0f, kWhite, 12.0f, 12.2f, 0, 0.0f);
    for (float ruleY : {214.0f, 300.0f, 386.0f, 472.0f}) menu->Draw(kEdgeH, 1, 208.0f, ruleY, kWhite, 24.2f, 1, 0, 0);
    menu->Draw(kEdgeH, 0, 208.0f, 140.0f, kWhite, 24.2f, 1.0f, 0, 0.0f);
    menu->Draw(kEdgeV, 0, 203.0f, 145.0f, kWhite, 1.0f, 22.9f, 0, 0.0f);
    menu->Draw(kEdgeV, 1, 590.0f, 145.0f, kWhite, 1.0f, 22.9f, 0, 0.0f);
    menu->Draw(kEdgeH, 1, 213.0f, 522.0f, kWhite, 23.5f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 0, 203.0f, 140.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 1, 566.0f, 140.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 2, 203.0f, 498.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 3, 566.0f, 498.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    for (int a = 1; a <= kAlliesPerQuest; ++a) {
        if (!offerOpen[a - 1]) continue;
        const float agreeY = kAgreeY[a - 1];
        menu->Draw(hover == kFirstAgree + a - 1 ? kLit : kBack1, 0, 492.0f, agreeY, kWhite, 2.0f, 1.1f, 0, 0.0f);
        menu->Draw(kRim, 0, 492.0f, agreeY, kWhite, 2.0f, 1.1f, 0, 0.0f);
        menu->Draw(kGlow, 1, 492.0f, agreeY, 0x94FFFF64u, 1.0f, 0.55f, 0, 0.0f);
        Text("Agree", 501, static_cast<int>(agreeY) + 6, kDark, 80);
    }
    DrawExit(menu, 374.0f, 485.0f, kAllyExit);

    const int quest = QuestInBox(selectedQuest);
    const AllyOffer& offer = AllyOfferOf(quest);
    char line[96];
    std::snprintf(line, sizeof line, "Quest %d - %s", quest, offer.panelTitle);
    Text(line, 280, 160, kRed);
    Text("Your Favors:", 280, 185, kGrey);
    Text(favorsText, 410, 185, kGrey);
    for (int a = 1; a <= kAlliesPerQuest; ++a) {
        const int y0 = 231 + 87 * (a - 1);
        if (allyFlags[AllyIndex(selectedQuest, a)] != 0) {
            Text("Help will come", 351, y0 + 3, kHelpComing);
            Text(offer.arrival, 351, y0 + 33, kHelpComing);
            continue;
        }
        const char* text = offer.offers[a - 1];
        const bool captains = std::strncmp(text, kCaptainsPrefix, std::strlen(kCaptainsPrefix)) == 0;
        Text(text, captains ? 225 : 241, y0, kGrey);
        std::snprintf(line, sizeof line, "Cost: %u Favors", static_cast<unsigned>(allyCosts[selectedQuest - 1][a - 1]));
        Text(line, 331, y0 + 30, kCostColour);
    }
    if (favors) DrawAllyPictures(favors, quest);
}

void QuestsScreen::DrawAllyPictures(SpriteSheet* favors, int quest) {
    const AllyOffer& offer = AllyOfferOf(quest);
    if (offer.robotImage >= 0) {
        const bool fewRobots = quest <= kLastThreeRobotQuest;
        const int count = fewRobots ? 3 : 4;
        for (int j = 0; j < count; ++j) {
            const float x = fewRobots ? F(228 + 33 * j) : F(212 + 29 * j);
            const float scale = fewRobots ? 1.0f : 0.95f;
            favors->Draw(offer.robotImage, offer.robotFrame, x, 260.0f, kWhite, scale, scale, 0, 0.0f);
        }
    }
    for (const AllyPicture& ship : offer.ships) {
        if (ship.image < 0) continue;
        favors->Draw(ship.image, ship.frame, ship.x, ship.y, kWhite, ship.scale, ship.scale, kShipCentre,
                     kShipCentreTurn);
    }
}

void QuestsScreen::DrawNotEnough(SpriteSheet* menu) {
    menu->Draw(kBack3, 0, 230.0f, 70.0f, kWhite, 10.8f, 2.4f, 0, 0.0f);
    DrawPanelFrame(menu, {233.0f, 70.0f, 145.0f, 21.0f, 223.0f, 570.0f, 88.0f, 3.6f, 546.0f, 121.0f});
    Text("Not enough favors", 327, 100, kDark, 200);
}

void QuestsScreen::DrawBriefing(SpriteSheet* menu) {
    menu->Draw(kPanel, 0, 229.0f, 137.0f, kWhite, 10.8f, 9.5f, 0, 0.0f);
    DrawPanelFrame(menu, {233.0f, 137.0f, 438.0f, 21.0f, 223.0f, 570.0f, 142.0f, 18.6f, 546.0f, 414.0f});
    if (briefingOpen != 0) DrawExit(menu, 374.0f, 400.0f, kBriefingExit);
    noInfoShown = 0;
    for (int box = 1; box <= kBoxes; ++box) {
        if (box != briefingPeek && box != briefingOpen) continue;
        const uint8_t state = questStates[box - 1];
        if (state == kNotGiven) {
            noInfoShown = 1;
            continue;
        }
        const QuestText& texts = QuestTexts(QuestInBox(box));
        Text(texts.briefingTitle, 252, 160, kRed);
        for (int i = 0; i < kBriefingLines && texts.briefing[i]; ++i) Text(texts.briefing[i], 252, 200 + 30 * i, kGrey);
        if (state == kDone) Text("Done", 500, 160, kBlue, 60);
    }
    if (noInfoShown) {
        Text("Unknown Quest", 252, 160, kRed, 160);
        Text("There is no information available ", 252, 200, kGrey);
        Text("about this quest.", 252, 230, kGrey);
    }
}

void QuestsScreen::DrawSummary() {
    char label[16];
    for (int box = 1; box <= kBoxes; ++box) {
        if (questStates[box - 1] != kActive) continue;
        const int quest = QuestInBox(box);
        const QuestText& texts = QuestTexts(quest);
        std::snprintf(label, sizeof label, "Quest %d:", quest);
        Text(label, 10, 550, kDark);
        Text(texts.summary[0], quest <= 9 ? 88 : 94, 550, kDark, 740);
        if (texts.summary[1]) Text(texts.summary[1], 10, 570, kDark, 740);
    }
}

void QuestsScreen::DrawNote(SpriteSheet* menu) {
    menu->Draw(kPanel, 0, 199.0f, 140.0f, kWhite, 14.8f, 6.6f, 0, 0.0f);
    DrawPanelFrame(menu, {208.0f, 140.0f, 348.0f, 29.0f, 198.0f, 665.0f, 145.0f, 12.6f, 641.0f, 324.0f});
    Text(QuestSetHeading(questSet), 223, 165, kRed);
    const char* const* lines = QuestSetNote(questSet);
    const bool invasions = questSet == 2;
    for (int i = 0; i < kNoteLines && lines[i]; ++i) {
        Text(lines[i], 223, invasions ? 195 + 28 * i : 205 + 30 * i, kGrey);
    }
    if (notesOpen != 0) DrawExit(menu, 395.0f, 310.0f, kNoteExit);
}
