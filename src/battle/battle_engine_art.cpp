// Loading and releasing the engine's sprite sheets and shock-wave rings.
#include "battle/battle_art_files.h"
#include "battle/battle_engine.h"
#include "platform/graphics_device.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

namespace {

SpriteSheet* MakeSheet(GraphicsDevice* graphics, int which) {
    const BattleSheetSpec& spec = BattleSheet(which);
    auto* sheet = new SpriteSheet();
    sheet->Init(graphics, spec.imageSlots);
    sheet->SetAlphaTest(1);
    // A missing file leaves its image empty; drawing it then draws nothing.
    for (int i = 0; i < spec.loadedImages; ++i) {
        const ArtFileEntry& image = spec.images[i];
        sheet->LoadImage(i, image.file, image.frameWidth, image.frameHeight, image.colourKey, kFormatA1R5G5B5);
    }
    return sheet;
}

}  // namespace

void BattleEngine::LoadArt(GraphicsDevice* graphics) {
    ReleaseArt();  // a second load replaces the art instead of leaking it
    shotsSheet = MakeSheet(graphics, kSheetShots);
    shipSheet = MakeSheet(graphics, kSheetShip);
    buildingsSheet = MakeSheet(graphics, kSheetBuildings);
    robotsSheet = MakeSheet(graphics, kSheetRobots);
    favorsSheet = MakeSheet(graphics, kSheetFavors);
    enemiesSheet = MakeSheet(graphics, kSheetEnemies);
    // The quest items load with the rest, so a device reset brings them back.
    questItemSheet = new SpriteSheet();
    questItemSheet->Init(graphics, kQuestItemImages);
    questItemSheet->SetAlphaTest(1);
    for (int i = 0; i < kQuestItemImages; ++i) {
        const ArtFileEntry& image = QuestItemArt(i);
        questItemSheet->LoadImage(i, image.file, image.frameWidth, image.frameHeight, image.colourKey,
                                  kFormatA1R5G5B5);
    }

    for (int k = 0; k < kRingCount; ++k) {
        ShockWave& wave = ring[k];
        delete wave.texture;
        wave.texture = new Texture();
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
    SpriteSheet** sheets[] = {&shotsSheet,   &shipSheet,    &buildingsSheet, &robotsSheet,
                              &favorsSheet, &enemiesSheet, &questItemSheet};
    for (SpriteSheet** sheet : sheets) {
        if (*sheet) {
            (*sheet)->Release();
            delete *sheet;
            *sheet = nullptr;
        }
    }
    for (ShockWave& wave : ring) {
        if (wave.texture) {
            wave.texture->Release();
            delete wave.texture;
            wave.texture = nullptr;
        }
        wave.vertexBuffer.reset();
    }
}
