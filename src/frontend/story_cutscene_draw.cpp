#include "frontend/story_cutscene.h"

#include <iterator>

#include "frontend/story_cutscene_tables.h"
#include "platform/sprite_sheet.h"

using namespace story_tables;

namespace {

float F(int32_t v) { return static_cast<float>(v); }

void DrawStars(SpriteSheet* sheet, int image, const Star* stars, int count) {
    for (int i = 0; i < count; ++i) {
        sheet->Draw(image, 0, stars[i].x, stars[i].y, kWhite, stars[i].scale, stars[i].scale, 0, 0.0f);
    }
}

}  // namespace

void StoryCutscene::DrawMain() {
    if (!sheet) return;
    sheet->Draw(0, 0, F(objX[0]), F(objY[0]), kWhite, pictureScaleX, pictureScaleY, 0, 0.0f);
}

void StoryCutscene::DrawStage() {
    if (!sheet) return;
    DrawStars(sheet.get(), kStarImage, kBigStars, static_cast<int>(std::size(kBigStars)));
    DrawStars(sheet.get(), kSmallStarImage, kSmallStars, static_cast<int>(std::size(kSmallStars)));
    DrawStars(sheet.get(), kMoonImage, &kMoon, 1);
    for (int i = kFirstComet; i < kObjects; ++i) {
        if (!ObjectShown(objX[i])) continue;
        const ObjectRow& row = kObjectRows[i];
        sheet->Draw(kCometImage, 0, F(objX[i]), F(objY[i]), kWhite, row.scaleX, row.scaleY, 0, 0.0f);
    }
    sheet->Draw(kCapitalImage, 0, F(fleetX + kCapitalOffset.x), F(fleetY + kCapitalOffset.y), kWhite, kCapitalScale,
                kCapitalScale, 0, 0.0f);
    for (int i = 0; i < kShips; ++i) {
        if (!ShipShown(i, shipX[i])) continue;
        const ShipRow& row = kShipRows[i];
        const float scaleX = i == 0 ? 1.0f / shipScale : row.scaleX;
        sheet->Draw(kShipsImage, row.frame, F(shipX[i] + fleetX), F(fleetY + row.dy), kWhite, scaleX, row.scaleY, 0,
                    0.0f);
    }
    for (int i = 0; i < kAsteroids; ++i) {
        if (!ObjectShown(objX[i])) continue;
        const ObjectRow& row = kObjectRows[i];
        const uint8_t frame = row.frame == kFrameUp ? frameUp : frameDown;
        sheet->Draw(kAsteroidImage, frame, F(objX[i]), F(objY[i]), kWhite, row.scaleX, row.scaleY, 0, 0.0f);
    }
}

void StoryCutscene::DrawWordPicture(uint32_t secondsInScene) {
    if (!sheet || stage != kEnding || !WordPictureShown(secondsInScene)) return;
    sheet->Draw(kWordImage, 0, F(kWordAt.x), F(kWordAt.y), kWordColour, kWordScale, kWordScale, 0, 0.0f);
}
