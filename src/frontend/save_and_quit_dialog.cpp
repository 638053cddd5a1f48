#include "frontend/save_and_quit_dialog.h"

#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

struct ButtonArea {
    int32_t x, y, width, height;
};
constexpr ButtonArea kYesArea{90, 270, 240, 140};
constexpr ButtonArea kNoArea{440, 270, 240, 140};

// Where a button is drawn for each look, so that it grows about its middle.
struct ButtonLook {
    float x;
    float scale;
};
constexpr float kButtonY = 300;
constexpr ButtonLook kYesLooks[] = {{130, 0.6f}, {110, 0.8f}, {95, 1.05f}};
constexpr ButtonLook kNoLooks[] = {{480, 0.6f}, {460, 0.8f}, {445, 1.05f}};
constexpr uint32_t kFaceColour = 0x9BFFFFFF;

constexpr int kTitleImage = 1, kLeftBackImage = 2, kRightBackImage = 3;
constexpr ScreenImage kYesImages[] = {{0, "Art\\Menu\\Yes.bmp", 256, 128, kKeyBlack}};
constexpr ScreenImage kNoImages[] = {{0, "Art\\Menu\\No.bmp", 256, 128, kKeyBlack}};
constexpr ScreenImage kBackImages[] = {
    {kTitleImage, "Art\\Menu\\SaveAndQuit.bmp", 512, 64, kKeyBlack},
    {kLeftBackImage, "Art\\Space\\512\\4.bmp", 512, 512, kNoKey},
    {kRightBackImage, "Art\\Space\\512\\5.bmp", 128, 512, kNoKey},
};
// The yes sheet has room for two images, the back sheet for four.
constexpr int kYesSlots = 2, kNoSlots = 1, kBackSlots = 4;
constexpr float kTitleX = 90, kTitleY = 120, kTitleScale = 1.2f;
constexpr float kRightBackX = 640, kBackScaleX = 1.25f, kBackScaleY = 1.172f;

bool Inside(const ButtonArea& area, int32_t x, int32_t y) {
    return PointInRect(area.x, area.y, area.width, area.height, x, y) != 0;
}

bool MousePressed(InputDevice* mouse) { return mouse && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1)); }

void DrawButton(SpriteSheet* sheet, const ButtonLook (&looks)[3], uint8_t state) {
    if (!sheet || state > SaveAndQuitDialog::kPressed) return;
    const ButtonLook& look = looks[state];
    sheet->Draw(0, 0, look.x, kButtonY, kFaceColour, look.scale, look.scale, 0, 0.0f);
}

}  // namespace

SaveAndQuitDialog::SaveAndQuitDialog() = default;

SaveAndQuitDialog::~SaveAndQuitDialog() { FreeDialogSheets(this); }

void FreeDialogSheets(SaveAndQuitDialog* dialog) {
    if (!dialog) return;
    dialog->yesSheet.reset();
    dialog->noSheet.reset();
    dialog->backSheet.reset();
}

void SaveAndQuitDialog::LoadArt(GraphicsDevice* graphics) {
    // A reload starts from fresh sheets.
    FreeDialogSheets(this);
    LoadScreenSheet(yesSheet, graphics, kYesSlots, kYesImages);
    LoadScreenSheet(noSheet, graphics, kNoSlots, kNoImages);
    LoadScreenSheet(backSheet, graphics, kBackSlots, kBackImages);
}

void SaveAndQuitDialog::Scroll(uint32_t step) { ScrollCloudRows(tileRows, static_cast<uint8_t>(step)); }

void SaveAndQuitDialog::Draw(SpriteSheet* clouds) {
    if (backSheet) {
        backSheet->Draw(kLeftBackImage, 0, 0, 0, 0xFFFFFFFF, kBackScaleX, kBackScaleY, 0, 0.0f);
        backSheet->Draw(kRightBackImage, 0, kRightBackX, 0, 0xFFFFFFFF, kBackScaleX, kBackScaleY, 0, 0.0f);
    }
    DrawCloudRows(clouds, tileRows);
    DrawButton(yesSheet.get(), kYesLooks, yesState);
    DrawButton(noSheet.get(), kNoLooks, noState);
    if (backSheet) backSheet->Draw(kTitleImage, 0, kTitleX, kTitleY, kFaceColour, kTitleScale, kTitleScale, 0, 0.0f);
}

void SaveAndQuitDialog::HitTestYes(int32_t x, int32_t y) {
    if (Inside(kYesArea, x, y)) {
        hovered = kYes;
        if (!pressLock) yesState = kLit;
    } else if (!pressLock) {
        yesState = kNormal;
    }
}

void SaveAndQuitDialog::HitTestNo(int32_t x, int32_t y) {
    if (Inside(kNoArea, x, y)) {
        hovered = kNo;
        if (!pressLock) noState = kLit;
    } else if (!pressLock) {
        noState = kNormal;
    }
}

int SaveAndQuitDialog::ClickYes(int32_t x, int32_t y, InputDevice* mouse) {
    if (!Inside(kYesArea, x, y) || !MousePressed(mouse)) return 0;
    choice = kYes;
    return 1;
}

int SaveAndQuitDialog::ClickNo(int32_t x, int32_t y, InputDevice* mouse) {
    if (!Inside(kNoArea, x, y) || !MousePressed(mouse)) return 0;
    choice = kNo;
    return 1;
}

void SaveAndQuitDialog::Press(int32_t x, int32_t y, InputDevice* mouse) {
    // The press decides: a held button dragged onto the other one does not
    // change the answer.
    if (pressLock || !MousePressed(mouse)) return;
    if (ClickYes(x, y, mouse)) {
        yesState = kPressed;
        pressLock = 1;
    }
    if (ClickNo(x, y, mouse)) {
        noState = kPressed;
        pressLock = 1;
    }
}

uint8_t SaveAndQuitDialog::SettleChoice(InputDevice* mouse) {
    if (choice != kYes && choice != kNo) return 0;
    // The press made the choice: leaving the button or letting go over it
    // commits it.
    if (hovered == choice && !MouseButtonsReleased(mouse)) return 0;
    const uint8_t answer = choice;
    pressLock = 0;
    choice = 0;
    return answer;
}
