// Loading and releasing the engine's sprite sheets and shock-wave rings.
#include "battle/battle_art_files.h"
#include "battle/battle_engine.h"
#include "platform/graphics_device.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

namespace {

std::unique_ptr<SpriteSheet> MakeSheet(GraphicsDevice* graphics, int which) {
    const BattleSheetSpec& spec = BattleSheet(which);
    std::unique_ptr<SpriteSheet> sheet;
    CreateScreenSheet(sheet, graphics, spec.imageSlots);
    // A missing file leaves its image empty; drawing it then draws nothing.
    for (int i = 0; i < spec.loadedImages; ++i) {
        const ArtFileEntry& image = spec.images[i];
        sheet->LoadImage(i, image.file, image.frameWidth, image.frameHeight, image.colourKey, kFormatA1R5G5B5);
    }
    return sheet;
}

}  // namespace

void BattleEngine::LoadArt(GraphicsDevice* graphics) {
    ReleaseArt();  // a second load starts from nothing, as after a device reset
    shotsSheet = MakeSheet(graphics, kSheetShots);
    shipSheet = MakeSheet(graphics, kSheetShip);
    buildingsSheet = MakeSheet(graphics, kSheetBuildings);
    robotsSheet = MakeSheet(graphics, kSheetRobots);
    favorsSheet = MakeSheet(graphics, kSheetFavors);
    enemiesSheet = MakeSheet(graphics, kSheetEnemies);
    // The quest items load with the rest, so a device reset brings them back.
    CreateScreenSheet(questItemSheet, graphics, kQuestItemImages);
    for (int i = 0; i < kQuestItemImages; ++i) {
        const ArtFileEntry& image = QuestItemArt(i);
        questItemSheet->LoadImage(i, image.file, image.frameWidth, image.frameHeight, image.colourKey,
                                  kFormatA1R5G5B5);
    }

    for (int k = 0; k < kRingCount; ++k) {
        ShockWave& wave = ring[k];
        wave.texture = std::make_unique<Texture>();
        wave.texture->Load(graphics, BattleRingFile(k), kRingColourKey, kFormatA1R5G5B5);
        wave.segments = 20;
        wave.radius = 10.0f;
        wave.width = kRingWidths[k];
        wave.growth = 0.8f;
        wave.maxScale = 3.0f;
        wave.vertexCount = ShockWave::kVertexCount;
        wave.vertexBuffer = std::make_unique<RingVertex[]>(ShockWave::kVertexCount);
        BuildRingVertices(wave);
    }
}

void BattleEngine::ReleaseArt() {
    std::unique_ptr<SpriteSheet>* sheets[] = {&shotsSheet,  &shipSheet,    &buildingsSheet, &robotsSheet,
                                              &favorsSheet, &enemiesSheet, &questItemSheet};
    for (std::unique_ptr<SpriteSheet>* sheet : sheets) sheet->reset();  // each sheet releases its images
    for (ShockWave& wave : ring) {
        wave.texture.reset();
        wave.vertexBuffer.reset();
    }
}
