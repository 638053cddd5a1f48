// Drawing of the Store's exchange panel: what the player has, the rows of
// the mode, the 5 x 5 step buttons, the amounts and the Exit, Yes and No.
#include "platform/sprite_sheet.h"
#include "ship/store_screen.h"
#include "ship/store_screen_drawing.h"

using namespace store_drawing;

namespace {

constexpr uint32_t kHeading = 0xFFFAFAFA;
constexpr int32_t kOwnRowY = 175;
constexpr int32_t kRowY[kExchangeRows] = {248, 287, 327, 369, 411};
constexpr int32_t kNameX = 286, kIconX = 243, kHaveX = 120, kAmountX = 640;
constexpr float kIconSize = 24.0f;
constexpr float kArrowScale = float(StoreScreen::kStepButtonSize) / 16.0f;
// Columns 1-2 add a lot, 3 a little, 4-5 take back.
constexpr int kColumnArrows[kExchangeColumns] = {kArrowUpTen, kArrowUpTen, kArrowUp, kArrowDownTen, kArrowDownTen};

struct PanelButton {
    int32_t x, y, w, h, textX;
    const char* label;
    uint8_t code;
};
constexpr PanelButton kPanelButtons[] = {
    {240, 445, 50, 40, 251, "Exit", StoreScreen::kExchangeExitCode},
    {431, 445, 50, 40, 440, "Yes", StoreScreen::kExchangeYesCode},
    {506, 445, 50, 40, 520, "No", StoreScreen::kExchangeNoCode},
};
constexpr int32_t kButtonTextY = 455;

}  // namespace

void StoreScreen::DrawExchangePanel(SpriteSheet* menu) {
    const int mode = SetMode() - 1;
    if (mode < 0) return;
    const bool buy = IsBuyMode(mode);
    Panel(menu, kPanelBox, 90, 130, 620, 370);
    Text("You Have", 110, 150, kHeading);
    Text("Exchange", 610, 150, kHeading);
    Text(buy ? "Buy" : "Sell", 240, 150, kHeading);
    Text(buy ? "Pay With" : "Receive", 240, 218, kHeading);
    Text("Exchange?", 327, 455, kHeading);

    const ExchangeResource own = OwnResource(mode);
    auto row = [&](ExchangeResource r, int32_t y) {
        DrawResourceIcon(menu, r, kIconX, y - 4, kIconSize);
        Text(ResourceName(r), kNameX, y, kDark);
        Text(resourceTexts[r], kHaveX, y, kDark);
        Text(exchangeTexts[r], kAmountX, y, kDark);
    };
    row(own, kOwnRowY);
    for (int r = 1; r <= kExchangeRows; ++r) row(RowResource(mode, r), kRowY[r - 1]);
    DrawStepButtons(menu);
    for (const PanelButton& b : kPanelButtons) {
        ButtonFace(menu, b.x, b.y, b.w, b.h, hoverCode == b.code);
        Text(b.label, b.textX, kButtonTextY, kDark);
    }
}

void StoreScreen::DrawStepButtons(SpriteSheet* menu) {
    if (!menu) return;
    for (int step = 1; step <= kExchangeSteps; ++step) {
        const uint8_t code = static_cast<uint8_t>(kFirstStepCode + step - 1);
        const int frame = clickCode == code ? 2 : (hoverCode == code ? 1 : 0);
        const int image = kColumnArrows[(step - 1) % kExchangeColumns];
        menu->Draw(image, frame, float(StepButtonX(step)), float(StepButtonY(step)), kWhite, kArrowScale, kArrowScale,
                   0, 0.0f);
    }
}
