#include "frontend/directions_screen.h"

#include "frontend/help_pages.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kBodyFontHeight = 22;
constexpr int kTitleFontHeight = 28;
constexpr int kSheetImages = 9;
constexpr int kBackImage = 1;
constexpr ScreenImage kImages[] = {
    {kBackImage, "Art\\Menu\\ButtonBack.bmp", 64, 32, kNoKey},
    {2, "Art\\Buildings\\Portal.bmp", 64, 64, kKeyGreen},
    {3, "Art\\Buildings\\2.bmp", 64, 64, kKeyGreen},
    {4, "Art\\Robots\\1.bmp", 32, 32, kKeyRed},
    {5, "Art\\Menu2\\Info.bmp", 128, 128, kKeyRed},
    {6, "Art\\Menu2\\ParticleShields.PNG", 128, 128, kKeyBlack},
};

constexpr int32_t kBackX = 700, kBackY = 10, kBackWidth = 64, kBackHeight = 32;
constexpr int32_t kTopicButtonX = 39, kTopicTop = 70, kTopicSpacing = 40, kTopicWidth = 100, kTopicHeight = 25;
constexpr int32_t kListX = 40, kLineHeight = 32;
constexpr int32_t kHeadingX = 350, kHeadingY = 20, kHeadingWidth = 440;
constexpr int32_t kFollowX = 170, kLineSpacing = 25;
constexpr int16_t kIndentedX = 205;
constexpr int32_t kLineWidth = 600, kIndentedFirstWidth = 590;

constexpr uint32_t kPlainColour = 0xFFFAFAFA;
constexpr uint32_t kShownColour = 0xFF32FA32;
constexpr uint32_t kHoverColour = 0xFF3232FA;
constexpr uint32_t kHeldColour = 0xFFFA3232;
constexpr uint32_t kPageColour = 0xFFFF5050;

int32_t TopicRowY(int t) { return kTopicTop + kTopicSpacing * (t - 1); }

bool MousePressed(InputDevice* mouse) { return mouse && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1)); }

void MakeFont(std::unique_ptr<Font>& font, GraphicsDevice* graphics, int height) {
    CreateScreenFont(font, graphics, height);
    font->Begin();
}

int32_t LineWidth(const help_pages::Paragraph& p, int k) {
    if (p.lines[k].width != 0) return p.lines[k].width;
    return k == 0 && p.x == kIndentedX ? kIndentedFirstWidth : kLineWidth;
}

}  // namespace

DirectionsScreen::DirectionsScreen() = default;

DirectionsScreen::~DirectionsScreen() { FreeFontsAndSheet(); }

void DirectionsScreen::LoadArt(GraphicsDevice* graphics) {
    FreeFontsAndSheet();
    MakeFont(bodyFont, graphics, kBodyFontHeight);
    MakeFont(titleFont, graphics, kTitleFontHeight);
    LoadScreenSheet(sheet, graphics, kSheetImages, kImages);
}

void DirectionsScreen::FreeFontsAndSheet() {
    ReleaseFont(bodyFont);
    ReleaseFont(titleFont);
    sheet.reset();
}

void DirectionsScreen::HitTest(int32_t x, int32_t y) {
    hoverCode = 0;
    backFrame = 0;
    if (PointInRect(kBackX, kBackY, kBackWidth, kBackHeight, x, y)) {
        hoverCode = kBackCode;
        backFrame = 1;
    }
    for (int t = 1; t <= help_pages::kTopics; ++t) {
        if (PointInRect(kTopicButtonX, TopicRowY(t), kTopicWidth, kTopicHeight, x, y)) {
            hoverCode = static_cast<uint8_t>(kFirstTopicCode + t - 1);
        }
    }
    hoverForSound = hoverCode;
}

int DirectionsScreen::Click(int32_t /*x*/, int32_t /*y*/, InputDevice* mouse) {
    if (!MousePressed(mouse)) return 0;
    if (clickedCode != kBackCode) clickedCode = hoverCode;
    if (clickedCode == kBackCode) backFrame = 2;
    if (clickedCode >= kFirstTopicCode) topic = static_cast<uint8_t>(clickedCode - kFirstTopicCode + 1);
    return 1;
}

DirectionsScreen::Settled DirectionsScreen::SettleClick(InputDevice* mouse) {
    if (clickedCode == kBackCode) {
        if (hoverCode == kBackCode && !MouseButtonsReleased(mouse)) return kNothing;
        clickedCode = 0;
        return kLeave;
    }
    if (clickedCode >= kFirstTopicCode && MouseButtonsReleased(mouse)) {
        clickedCode = 0;
        return kTopicClicked;
    }
    return kNothing;
}

void DirectionsScreen::Draw() {
    if (sheet) sheet->Draw(kBackImage, backFrame, kBackX, kBackY, 0xFFFFFFFF, 1.0f, 1.0f, 0, 0.0f);
    if (!bodyFont) return;
    DrawTopicList();
    DrawPage();
}

void DirectionsScreen::DrawTopicList() {
    for (int t = 1; t <= help_pages::kTopics; ++t) {
        const uint8_t code = static_cast<uint8_t>(kFirstTopicCode + t - 1);
        // Held over hover over shown over plain.
        uint32_t colour = t == topic ? kShownColour : kPlainColour;
        if (code == hoverCode) colour = kHoverColour;
        if (code == clickedCode) colour = kHeldColour;
        const help_pages::Topic& page = help_pages::kTopicPages[t - 1];
        bodyFont->DrawText(page.title, kListX, TopicRowY(t), page.listWidth, kLineHeight, colour, DT_LEFT);
    }
}

void DirectionsScreen::DrawPage() {
    if (topic < 1 || topic > help_pages::kTopics) return;
    const help_pages::Topic& page = help_pages::kTopicPages[topic - 1];
    if (titleFont) {
        titleFont->DrawText(page.title, kHeadingX, kHeadingY, kHeadingWidth, kLineHeight, kShownColour, DT_LEFT);
    }
    for (const help_pages::Paragraph& p : page.paragraphs) {
        for (int k = 0; k < help_pages::kMaxLines && p.lines[k].text; ++k) {
            const int32_t x = k == 0 ? p.x : kFollowX;
            bodyFont->DrawText(p.lines[k].text, x, p.y + kLineSpacing * k, LineWidth(p, k), kLineHeight, kPageColour,
                               DT_LEFT);
        }
        if (p.picture != 0 && sheet) {
            sheet->Draw(p.picture, 0, p.pictureX, p.pictureY, 0xFFFFFFFF, 1.0f, 1.0f, 0, 0.0f);
        }
    }
}
