#include "hud/advisor_bubble.h"

#include "platform/clock.h"
#include "platform/font.h"
#include "platform/sprite_sheet.h"

namespace {

struct HintText {
    const char* first;
    const char* second;
    int16_t offsetX;
    int16_t width;
};

constexpr HintText kHints[AdvisorBubble::kHintCount] = {
    {"Press N for a new game.", nullptr, -80, 200},
    {"Press a number.", nullptr, -50, 120},
    {"Type your name.", nullptr, -50, 120},
    {"Use the mouse to change settings.", nullptr, -75, 260},
    {"Press Y to see your ship.", nullptr, -80, 200},
    {"Put armor on your ship.", nullptr, -75, 260},
    {"Upgrade your ship by", "clicking on arrow.", -67, 260},
    {"Fly over the portal.", nullptr, -65, 260},
    {"Click on Border Area. Bye!", nullptr, -84, 260},
    {"Press C to construct", "a building", -70, 260},
    {"Click on any building.", nullptr, -30, 260},
    {"Press M to make robots.", nullptr, -84, 260},
    {"Click on a robot.", nullptr, -20, 260},
    {"Press B for Buildings.", nullptr, -77, 200},
    {"Upgrade your Factory", "to make better robots.", -30, 260},
    {"Press Q to see Quests.", nullptr, -77, 200},
    {"Click on Use Favors.", nullptr, -77, 200},
    {"Click on Agree.", nullptr, -60, 200},
    {"Look at Directions.", nullptr, -70, 200},
    {"Press F1 to return", "to Your Base.", -60, 260},
};

struct BubbleStyle {
    int16_t offsetX;
    float widthScale;
};
constexpr BubbleStyle kStyles[3] = {{-95, 6.3f}, {-90, 8.6f}, {-55, 6.3f}};

constexpr uint32_t kFramePeriodMs = 255;
constexpr int kBubbleImage = 34;
constexpr uint32_t kBubbleColour = 0x7DC8FFC8u;
constexpr uint32_t kTextColour = 0xFF91E691u;
constexpr int kLineHeight = 32;
constexpr float kArrowScale = 0.9f;

}  // namespace

const char* AdvisorBubble::HintLine(uint32_t hintIndex, int line) {
    if (hintIndex >= static_cast<uint32_t>(kHintCount)) return nullptr;
    return line == 0 ? kHints[hintIndex].first : kHints[hintIndex].second;
}

void AdvisorBubble::Animate() {
    const uint32_t now = NowMs();
    if (frameTimerState == 1) {
        frameTimerStart = now;
        frameTimerState = 2;
    }
    if (frameTimerState == 2 && now - frameTimerStart > kFramePeriodMs) {
        frameTimerState = 1;
        animFrame = static_cast<uint8_t>((animFrame + 1) % 4);
    }
}

void AdvisorBubble::Bob(uint32_t upStep, uint32_t downStep, int32_t minY, int32_t maxY) {
    if (bobDown) {
        advisorY += static_cast<uint8_t>(downStep);
        if (advisorY > maxY) {
            advisorY = maxY;
            bobDown = 0;
        }
    } else {
        advisorY -= static_cast<uint8_t>(upStep);
        if (advisorY < minY) {
            advisorY = minY;
            bobDown = 1;
        }
    }
}

void AdvisorBubble::Slide(uint32_t rightStep, uint32_t leftStep) {
    if (slideRight) {
        advisorX += static_cast<uint8_t>(rightStep);
        if (advisorX > kSlideMaxX) {
            advisorX = kSlideMaxX;
            slideRight = 0;
        }
    } else {
        advisorX -= static_cast<uint8_t>(leftStep);
        if (advisorX < kSlideMinX) {
            advisorX = kSlideMinX;
            slideRight = 1;
        }
    }
}

void AdvisorBubble::DrawArrow(SpriteSheet* sheet, uint32_t colour) const {
    if (!sheet) return;
    sheet->Draw(kArrowImage, animFrame, static_cast<float>(arrowX), static_cast<float>(arrowY), colour, kArrowScale,
                kArrowScale, 0, 0.0f);
}

void AdvisorBubble::Draw(SpriteSheet* sheet, Font* font) {
    if (sheet) {
        sheet->Draw(advisorImage, animFrame, static_cast<float>(advisorX), static_cast<float>(advisorY), 0xFFFFFFFFu,
                    0.8f, 0.8f, 0, 0.0f);
    }
    if (!bubbleShown) return;
    if (sheet && bubbleStyle >= 1 && bubbleStyle <= 3) {
        const BubbleStyle& style = kStyles[bubbleStyle - 1];
        sheet->Draw(kBubbleImage, 0, static_cast<float>(advisorX + style.offsetX), static_cast<float>(advisorY - 65),
                    kBubbleColour, style.widthScale, 1.5f, 0, 0.0f);
    }
    if (!font || hintIndex >= static_cast<uint32_t>(kHintCount)) return;
    const HintText& hint = kHints[hintIndex];
    const int x = advisorX + hint.offsetX;
    font->Begin();
    if (hint.second) {
        font->DrawText(hint.first, x, advisorY - 59, hint.width, kLineHeight, kTextColour, 0);
        font->DrawText(hint.second, x, advisorY - 39, hint.width, kLineHeight, kTextColour, 0);
    } else {
        font->DrawText(hint.first, x, advisorY - 50, hint.width, kLineHeight, kTextColour, 0);
    }
    font->End();
}
