#include "platform/shared_art.h"

#include "platform/graphics_device.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

enum Sheet : uint8_t { kMenu, kSpace, kDust, kClouds };

// An image and the sheet it goes in.
struct SharedImage {
    Sheet sheet;
    ScreenImage image;
};

// The first step, in loading order.
constexpr SharedImage kFirstImages[] = {
    {kMenu, 29, "Art\\Name\\Letters2.PNG", 32, 64, kKeyBlack},
    {kMenu, 30, "Art\\Name\\Letters1.PNG", 32, 64, kKeyBlack},
    {kMenu, 34, "Art\\Menu\\Back7.bmp", 32, 32, kNoKey},
    {kMenu, 42, "Art\\Advisors\\1.PNG", 128, 128, kKeyBlack},
    {kMenu, 43, "Art\\Advisors\\Arrow1.PNG", 32, 64, kKeyBlack},
    {kSpace, 0, "Art\\Space\\Border\\Border1.bmp", 128, 32, kNoKey},
    {kSpace, 1, "Art\\Space\\Border\\Border2.bmp", 32, 128, kNoKey},
    {kSpace, 2, "Art\\Space\\Border\\Corners1.bmp", 64, 64, kKeyRed},
    {kSpace, 3, "Art\\Space\\256\\1.PNG", 256, 256, kKeyBlack},
    {kSpace, 4, "Art\\Space\\256\\3.PNG", 256, 256, kKeyBlack},
    {kSpace, 5, "Art\\Space\\256\\2.PNG", 256, 256, kKeyBlack},
    {kSpace, 6, "Art\\Space\\32\\1.bmp", 32, 32, kKeyBlack},
    {kDust, 8, "Art\\Space\\256\\Dust2.PNG", 256, 256, kKeyBlack},
    {kDust, 10, "Art\\Space\\256\\Dust4.PNG", 256, 256, kKeyBlack},
    {kDust, 13, "Art\\Space\\256\\Dust7.PNG", 256, 256, kKeyBlack},
    {kClouds, 0, "Art\\Space\\256\\Clouds4.PNG", 256, 256, kKeyBlack},
    {kClouds, 1, "Art\\Space\\256\\Clouds5.PNG", 256, 256, kKeyBlack},
    {kClouds, 2, "Art\\Space\\16\\Rocks1.bmp", 8, 16, kKeyBlack},
};

// The second step, in loading order.
constexpr SharedImage kMoreImages[] = {
    {kDust, 0, "Art\\Space\\128\\Dust1.PNG", 128, 128, kKeyBlack},
    {kDust, 1, "Art\\Space\\256\\Dust1.PNG", 256, 256, kKeyBlack},
    {kDust, 2, "Art\\Space\\128\\Dust2.PNG", 128, 128, kKeyBlack},
    {kDust, 3, "Art\\Space\\64\\Dust1.PNG", 64, 64, kKeyBlack},
    {kDust, 4, "Art\\Space\\128\\Dust3.PNG", 128, 128, kKeyBlack},
    {kDust, 5, "Art\\Space\\64\\Dust2.PNG", 64, 64, kKeyBlack},
    {kDust, 6, "Art\\Space\\64\\Dust3.PNG", 64, 64, kKeyBlack},
    {kDust, 7, "Art\\Space\\128\\Dust5.PNG", 128, 128, kKeyBlack},
    {kDust, 9, "Art\\Space\\256\\Dust3.PNG", 256, 256, kKeyBlack},
    {kDust, 11, "Art\\Space\\256\\Dust5.PNG", 256, 256, kKeyBlack},
    {kDust, 12, "Art\\Space\\256\\Dust6.PNG", 256, 256, kKeyBlack},
    {kDust, 14, "Art\\Space\\256\\Dust8.PNG", 256, 256, kKeyBlack},
    {kDust, 15, "Art\\Space\\256\\Dust9.PNG", 256, 256, kKeyBlack},
    {kDust, 16, "Art\\Space\\256\\Dust10.PNG", 256, 256, kKeyBlack},
    {kDust, 17, "Art\\Space\\256\\Dust11.PNG", 256, 256, kKeyBlack},
    {kDust, 18, "Art\\Space\\256\\Dust12.PNG", 256, 256, kKeyBlack},
    {kDust, 19, "Art\\Space\\256\\Dust13.PNG", 256, 256, kKeyBlack},
    {kDust, 20, "Art\\Earth\\1.bmp", 256, 256, kNoKey},
    {kDust, 21, "Art\\Earth\\2.bmp", 256, 256, kNoKey},
    {kDust, 22, "Art\\Earth\\3.bmp", 256, 256, kNoKey},
    {kDust, 23, "Art\\Earth\\4.bmp", 256, 256, kNoKey},
    {kDust, 24, "Art\\Earth\\5.bmp", 256, 256, kNoKey},
    {kDust, 25, "Art\\Earth\\6.bmp", 256, 256, kNoKey},
    {kDust, 26, "Art\\Earth\\7.bmp", 256, 256, kNoKey},
    {kDust, 27, "Art\\Earth\\8.bmp", 256, 256, kNoKey},
    {kDust, 28, "Art\\Earth\\9.bmp", 256, 256, kNoKey},
    {kMenu, 0, "Art\\Menu\\Ship1.bmp", 16, 2, kNoKey},
    {kMenu, 1, "Art\\Menu\\Corners.bmp", 32, 32, kKeyRed},
    {kMenu, 2, "Art\\Menu\\Border3.bmp", 16, 8, kKeyRed},
    {kMenu, 3, "Art\\Menu\\Border4.bmp", 8, 16, kKeyRed},
    {kMenu, 4, "Art\\Menu\\Ship2.bmp", 2, 16, kNoKey},
    {kMenu, 5, "Art\\Menu\\Back1.bmp", 32, 32, kNoKey},
    {kMenu, 6, "Art\\Menu\\Bag.bmp", 64, 64, kNoKey},
    {kMenu, 7, "Art\\Ship\\Exhaust.bmp", 32, 8, kNoKey},
    {kMenu, 8, "Art\\Ship\\Block.bmp", 32, 32, kKeyBlack},
    {kMenu, 9, "Art\\Ship\\Block2.bmp", 32, 4, kNoKey},
    {kMenu, 10, "Art\\Menu\\Wealth.bmp", 64, 64, kKeyRed},
    {kMenu, 11, "Art\\Menu\\Favor.bmp", 32, 32, kKeyRed},
    {kMenu, 12, "Art\\Menu\\Material.bmp", 32, 32, kKeyRed},
    {kMenu, 13, "Art\\Awards\\Back1.bmp", 4, 4, kNoKey},
    {kMenu, 14, "Art\\Menu\\Back2.bmp", 32, 32, kNoKey},
    {kMenu, 15, "Art\\Menu\\Arrow1.bmp", 16, 16, kNoKey},
    {kMenu, 16, "Art\\Menu\\Arrow2.bmp", 16, 16, kNoKey},
    {kMenu, 17, "Art\\Menu\\Arrow3.bmp", 16, 16, kNoKey},
    {kMenu, 18, "Art\\Menu\\Arrow4.bmp", 16, 16, kNoKey},
    {kMenu, 19, "Art\\Controls\\Skills.PNG", 64, 64, kKeyRed},
    {kMenu, 20, "Art\\Menu\\Back3.bmp", 32, 32, kNoKey},
    {kMenu, 21, "Art\\Menu\\Square1.bmp", 32, 32, kKeyBlack},
    {kMenu, 22, "Art\\Menu\\Back4.bmp", 32, 32, kNoKey},
    {kMenu, 23, "Art\\Controls\\WriteX.bmp", 16, 16, kKeyBlack},
    {kMenu, 24, "Art\\Controls\\Numbers1.bmp", 16, 16, kKeyRed},
    {kMenu, 25, "Art\\Controls\\WriteX2.bmp", 8, 8, kKeyRed},
    {kMenu, 26, "Art\\Controls\\Button4.bmp", 32, 32, kNoKey},
    {kMenu, 27, "Art\\Menu\\Back5.bmp", 32, 32, kNoKey},
    {kMenu, 28, "Art\\Menu\\Back6.bmp", 32, 32, kNoKey},
    {kMenu, 31, "Art\\Ship\\AttackSetting.bmp", 16, 16, kKeyRed},
    {kMenu, 32, "Art\\Awards\\Star1.bmp", 32, 32, kKeyRed},
    {kMenu, 33, "Art\\Controls\\3D.bmp", 64, 64, kKeyRed},
    {kMenu, 35, "Art\\Menu\\BorderRadar.bmp", 2, 2, kNoKey},
    {kMenu, 36, "Art\\Menu\\Back8.bmp", 32, 32, kNoKey},
    {kMenu, 37, "Art\\Favors\\Pipe1.bmp", 64, 8, kNoKey},
    {kMenu, 38, "Art\\Favors\\Pillar1.bmp", 16, 128, kNoKey},
    {kMenu, 39, "Art\\Favors\\Pipe2.bmp", 128, 16, kNoKey},
    {kMenu, 40, "Art\\Favors\\Wall2.bmp", 16, 128, kNoKey},
    {kMenu, 41, "Art\\Menu\\Numbers4.PNG", 64, 64, kKeyBlack},
};

constexpr int kSheetImages[] = {SharedArt::kMenuImages, SharedArt::kSpaceImages, SharedArt::kDustImages,
                                SharedArt::kCloudsImages};

// Each image in table order; the result of the last load (0 when its sheet
// is missing).
int LoadList(std::span<const SharedImage> list, const std::unique_ptr<SpriteSheet>* sheets) {
    int result = 0;
    for (const SharedImage& art : list) result = LoadScreenImage(sheets[art.sheet].get(), art.image);
    return result;
}

}  // namespace

SharedArt::SharedArt() = default;

SharedArt::~SharedArt() = default;

int SharedArt::LoadArt(GraphicsDevice* graphics) {
    // A reload starts from fresh sheets.
    ReleaseArt();
    for (int k = 0; k < kSheets; ++k) CreateScreenSheet(sheets_[k], graphics, kSheetImages[k]);
    ShowSheets();
    return LoadList(kFirstImages, sheets_);
}

int SharedArt::LoadMoreArt(GraphicsDevice*) {
    morePending = 0;
    return LoadList(kMoreImages, sheets_);
}

void SharedArt::ReleaseArt() {
    for (std::unique_ptr<SpriteSheet>& sheet : sheets_) sheet.reset();
    ShowSheets();
}

void SharedArt::ShowSheets() {
    menuSheet = sheets_[kMenu].get();
    spaceSheet = sheets_[kSpace].get();
    dustSheet = sheets_[kDust].get();
    cloudsSheet = sheets_[kClouds].get();
}
