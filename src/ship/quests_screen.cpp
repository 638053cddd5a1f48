#include "ship/quests_screen.h"

#include "platform/clock.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"
#include "ship/quests_screen_texts.h"

namespace {

constexpr int kColumns = 4;
constexpr int kBoxWidth = 200, kBoxHeight = 165, kBoxTop = 45;
constexpr int kFavorButtonX = 30, kFavorButtonY = 65, kFavorButtonWidth = 141, kFavorButtonHeight = 35;
constexpr int kAgreeX = 492, kAgreeWidth = 64, kAgreeHeight = 35;
constexpr int kAgreeY[kAlliesPerQuest] = {255, 342, 429};
constexpr int kExitWidth = 51, kExitHeight = 35;
constexpr int kAllyExitX = 374, kAllyExitY = 485;
constexpr int kBriefingExitX = 374, kBriefingExitY = 400;
constexpr int kNoteExitX = 395, kNoteExitY = 310;
constexpr uint8_t kLastBoxCode = 49;  // the box codes as the clicks read them

constexpr uint32_t kTickMs = 34;
constexpr float kPulseStep = 0.45f;
constexpr float kPulseWidest = 24.0f;
constexpr float kPulseFullWidth = 20.625f;
constexpr float kPulseGone = 2.0f;

constexpr int kFontHeight = 18;
constexpr int kSheetImages = 11;
constexpr int kFirstInvasionsImage = 9;
constexpr ScreenImage kImages[kSheetImages] = {
    {0, "Art\\Quests\\1.bmp", 64, 64, kKeyRed},        {1, "Art\\Quests\\Robot.bmp", 32, 64, kKeyRed},
    {2, "Art\\Quests\\Station.bmp", 64, 64, kKeyRed},  {3, "Art\\Quests\\2.bmp", 64, 64, kKeyRed},
    {4, "Art\\Menu\\Square2.bmp", 32, 32, kKeyBlack},  {5, "Art\\Quests\\Question.bmp", 32, 64, kKeyRed},
    {6, "Art\\Quests\\Done.bmp", 64, 32, kKeyRed},     {7, "Art\\Quests\\Update.bmp", 8, 8, kNoKey},
    {8, "Art\\Quests\\Colony.bmp", 64, 64, kKeyGreen}, {9, "Art\\Quests\\3.bmp", 32, 32, kKeyBlack},
    {10, "Art\\Quests\\4.bmp", 64, 64, kKeyRed},
};

bool IsAgree(uint8_t code) { return code >= QuestsScreen::kFirstAgree && code < QuestsScreen::kAllyExit; }

}  // namespace

QuestsScreen::QuestsScreen() = default;

QuestsScreen::~QuestsScreen() { FreeArt(); }

int QuestsScreen::LoadArt(GraphicsDevice* graphics) {
    // A reload starts from fresh art.
    FreeArt();
    CreateScreenFont(font, graphics, kFontHeight);
    const int images = questSet == 2 ? kSheetImages : kFirstInvasionsImage;
    return LoadScreenSheet(sheet, graphics, kSheetImages, std::span(kImages).first(images));
}

void QuestsScreen::FreeArt() { ReleaseSheetAndFont(font, sheet); }

int QuestsScreen::QuestInBox(int box) const { return questSet == 2 ? box + kBoxes : box; }

void QuestsScreen::SetAllyCosts() {
    if (questSet != 1 && questSet != 2) return;
    for (int box = 1; box <= kBoxes; ++box) {
        for (int ally = 1; ally <= kAlliesPerQuest; ++ally) {
            allyCosts[box - 1][ally - 1] = AllyCost(QuestInBox(box), ally);
        }
    }
}

void QuestsScreen::FormatFavors() { FormatNumber(favorsText, favors); }

void QuestsScreen::BuyAlly() {
    if (selectedQuest < 1 || selectedQuest > kBoxes || !IsAgree(chosenAlly)) return;
    const int ally = chosenAlly - kFirstAgree + 1;
    const uint32_t cost = allyCosts[selectedQuest - 1][ally - 1];
    if (cost > favors) {
        notEnoughBlink = 1;
        return;
    }
    soundToomuch = 1;
    favors -= cost;
    experience += cost;
    allyFlags[AllyIndex(selectedQuest, ally)] = 1;
    purchaseDone = 1;
    notEnoughBlink = 0;
    for (int a = 1; a <= kAlliesPerQuest; ++a) {
        if (allyFlags[AllyIndex(selectedQuest, a)] != 0) offerOpen[a - 1] = 0;
    }
}

void QuestsScreen::HitTest(int32_t x, int32_t y) {
    hover = 0;
    briefingPeek = 0;
    notesPeek = 0;
    if (buttonsReleased && !briefingOpen && !selectedQuest && PointInRect(-200, -200, 1200, 245, x, y)) {
        hover = kTopStrip;
    }
    const bool boxesLive = !selectedQuest && !briefingOpen && !notesOpen;
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kBoxes / kColumns; ++r) {
            const int box = 1 + c + kColumns * r;
            if (boxesLive && buttonsReleased &&
                PointInRect(kBoxWidth * c, kBoxTop + kBoxHeight * r, kBoxWidth, kBoxHeight, x, y)) {
                hover = static_cast<uint8_t>(kFirstBox - 1 + box);
            }
            if (boxesLive && questStates[box - 1] == kActive &&
                PointInRect(kFavorButtonX + kBoxWidth * c, kFavorButtonY + kBoxHeight * r, kFavorButtonWidth,
                            kFavorButtonHeight, x, y)) {
                hover = static_cast<uint8_t>(box);
            }
        }
    }
    if (selectedQuest) {
        for (int a = 0; a < kAlliesPerQuest; ++a) {
            if (PointInRect(kAgreeX, kAgreeY[a], kAgreeWidth, kAgreeHeight, x, y)) {
                hover = static_cast<uint8_t>(kFirstAgree + a);
            }
        }
        if (PointInRect(kAllyExitX, kAllyExitY, kExitWidth, kExitHeight, x, y)) hover = kAllyExit;
    }
    // The Exit lies over boxes 10 and 11: the press that opened the briefing
    // must be let go before it can close it again.
    if (briefingOpen && buttonsReleased &&
        PointInRect(kBriefingExitX, kBriefingExitY, kExitWidth, kExitHeight, x, y)) {
        hover = kBriefingExit;
    }
    if (buttonsReleased && notesOpen && PointInRect(kNoteExitX, kNoteExitY, kExitWidth, kExitHeight, x, y)) {
        hover = kNoteExit;
    }
    UpdateSnap();
}

void QuestsScreen::UpdateSnap() {
    const bool drawnButton = (hover >= 1 && hover <= kBoxes) || (IsAgree(hover) && offerOpen[hover - kFirstAgree]) ||
                             hover == kAllyExit || hover == kBriefingExit || hover == kNoteExit;
    const bool silent = hover == 0 || (hover >= kFirstBox && hover < kFirstBox + kBoxes) || hover == kTopStrip;
    if (drawnButton) {
        snapId = hover;
    } else if (silent) {
        snapId = 0;
        if (stampState == 1) stampState = 2;
    }
}

int QuestsScreen::OnClick(int32_t /*x*/, int32_t /*y*/, InputDevice* mouse) {
    pressedCode = 0;
    const bool left = mouse && mouse->ButtonPressed(0);
    const bool right = mouse && mouse->ButtonPressed(1);
    if (!left && !right) return 0;
    leftPressed = right ? 0 : 1;
    rightPressed = right ? 1 : 0;
    const uint8_t h = hover;
    pressedCode = h;
    if (h == kTopStrip) {
        if (right) {
            notesPeek = 1;
        } else {
            notesOpen = 1;
        }
    }
    bool peeked = false;
    if (!selectedQuest) {
        if (h >= 1 && h <= kBoxes && questStates[h - 1] == kActive) {
            selectedQuest = h;
            buttonsReleased = 0;
            for (int a = 1; a <= kAlliesPerQuest; ++a) offerOpen[a - 1] = allyFlags[AllyIndex(h, a)] == 0 ? 1 : 0;
        } else if (h >= kFirstBox && h <= kLastBoxCode) {
            briefingPeek = static_cast<uint8_t>(h - kFirstBox + 1);
            peeked = true;
            if (left && !briefingOpen) {
                briefingOpen = briefingPeek;
                buttonsReleased = 0;
            }
        }
    } else if (h >= kFirstAgree && h <= kAllyExit && buttonsReleased) {
        chosenAlly = h;
    }
    if (h == kAllyExit) {
        selectedQuest = 0;
        chosenAlly = 0;
        buttonsReleased = 0;
    }
    // A chosen ally stays chosen while the panel is open, so every press
    // (and every frame of a held one) asks again until it is bought.
    if (selectedQuest && IsAgree(chosenAlly) && allyFlags[AllyIndex(selectedQuest, chosenAlly - kFirstAgree + 1)] == 0) {
        buyRequested = 1;
    }
    if (h == kBriefingExit || h == kNoteExit) {
        if (h == kBriefingExit) briefingOpen = 0;
        if (h == kNoteExit) notesOpen = 0;
        buttonsReleased = 0;
    }
    if (freshPress && (peeked || h == kTopStrip)) {
        rightdefPending = 1;
        freshPress = 0;
    }
    if (h == kAllyExit || h == kBriefingExit || h == kNoteExit) stampState = 1;
    if (IsAgree(h) && offerOpen[h - kFirstAgree]) snapId = h;
    return 1;
}

void QuestsScreen::ArmWhenButtonsUp(InputDevice* mouse) {
    if (mouse && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1))) return;
    buttonsReleased = 1;
    freshPress = 1;
}

void QuestsScreen::Animate() {
    if (tickState == 1) {
        tickTime = NowMs();
        tickState = 2;
        return;
    }
    if (NowMs() - tickTime <= kTickMs) return;
    tickState = 1;
    AnimationTick();
}

void QuestsScreen::AnimationTick() {
    if (pulseGrowing) {
        pulse += kPulseStep;
        if (pulse > kPulseWidest) {
            pulse = kPulseFullWidth;
            pulseGrowing = 0;
            pulseShrinking = 1;
        }
    }
    if (pulseShrinking) {
        if (pulse <= kPulseGone) {
            pulseGrowing = 0;
            pulseShrinking = 0;
        } else {
            pulse -= kPulseStep;
        }
    }
    if (notEnoughBlink != 0) {
        ++notEnoughBlink;
        if (notEnoughBlink > kNotEnoughTicks) notEnoughBlink = 0;
    }
}
