// Loading and releasing the engine's sprite sheets and shock-wave rings.
#include <cmath>

#include "battle/battle_engine.h"
#include "platform/graphics_device.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

namespace {

constexpr uint32_t kKeyBlack = 0xFF000000;
constexpr uint32_t kKeyGreen = 0xFF00FF00;
constexpr uint32_t kKeyRed = 0xFFFF0000;
constexpr uint32_t kKeyNone = 0;

struct SheetImage {
    const char* file;
    int16_t frameW;
    int16_t frameH;
    uint32_t key;
};

constexpr SheetImage kShotsImages[] = {
    {"Art\\Shots\\2.bmp", 16, 16, kKeyBlack},          {"Art\\Shots\\3.bmp", 16, 16, kKeyBlack},
    {"Art\\Buildings\\Portal.bmp", 64, 64, kKeyGreen}, {"Art\\Shots\\Explode1.bmp", 32, 32, kKeyBlack},
    {"Art\\Shots\\Fire1.bmp", 64, 64, kKeyBlack},      {"Art\\Shots\\Explode2.bmp", 32, 32, kKeyBlack},
    {"Art\\Controls\\Radar.bmp", 2, 2, kKeyBlack},     {"Art\\Buildings\\Selected.bmp", 64, 64, kKeyGreen},
    {"Art\\Shots\\Explode3.bmp", 32, 32, kKeyBlack},   {"Art\\Shots\\Explode4.bmp", 32, 32, kKeyBlack},
    {"Art\\Shots\\Explode5.bmp", 32, 32, kKeyBlack},   {"Art\\Shots\\Fire2.PNG", 128, 128, kKeyBlack},
};
constexpr int kShotsSheetImages = 13;  // the last slot stays empty

constexpr SheetImage kShipImages[] = {
    {"Art\\Ship\\Ship1.bmp", 64, 64, kKeyBlack},
    {"Art\\Ship\\E1.bmp", 32, 32, kKeyBlack},
    {"Art\\Ship\\E2.bmp", 32, 32, kKeyBlack},
    {"Art\\Ship\\E3.bmp", 32, 32, kKeyBlack},
    {"Art\\Ship\\E4.bmp", 32, 32, kKeyBlack},
    {"Art\\Menu\\Collect2.bmp", 16, 16, kKeyBlack},
    {"Art\\Ship\\ParticleShields.PNG", 128, 128, kKeyBlack},
    {"Art\\Ship\\HardShields.bmp", 64, 64, kKeyRed},
    {"Art\\Ship\\Armageddon.bmp", 32, 32, kKeyNone},
    {"Art\\Ship\\ExtraArmor.bmp", 64, 64, kKeyRed},
    {"Art\\Ship\\ShieldsRecharge.bmp", 32, 32, kKeyRed},
    {"Art\\Ship\\SProtection.bmp", 64, 64, kKeyRed},
    {"Art\\Ship\\RProtection.bmp", 32, 32, kKeyRed},
    {"Art\\Ship\\Ship2.bmp", 64, 64, kKeyBlack},
};

constexpr SheetImage kBuildingImages[] = {
    {"Art\\Buildings\\1.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\2.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\3.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\4.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\5.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\6.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\7.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\8.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\9.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\10.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\11.bmp", 64, 64, kKeyGreen}, {"Art\\Buildings\\12.bmp", 64, 64, kKeyGreen},
};

constexpr SheetImage kRobotImages[] = {
    {"Art\\Robots\\1.bmp", 32, 32, kKeyRed},
    {"Art\\Robots\\2.bmp", 32, 32, kKeyRed},
    {"Art\\Robots\\3.bmp", 32, 32, kKeyRed},
    {"Art\\Robots\\4.bmp", 32, 32, kKeyRed},
};

constexpr SheetImage kFavorImages[] = {
    {"Art\\Favors\\1.bmp", 32, 32, kKeyRed},          {"Art\\Favors\\Ship3.bmp", 32, 32, kKeyBlack},
    {"Art\\Favors\\Ship2.bmp", 64, 64, kKeyBlack},    {"Art\\Favors\\B1.bmp", 64, 64, kKeyGreen},
    {"Art\\Favors\\Ship5.bmp", 64, 64, kKeyBlack},    {"Art\\Favors\\2.bmp", 32, 32, kKeyRed},
    {"Art\\Enemy\\13.bmp", 64, 64, kKeyNone},         {"Art\\Favors\\Ship7.bmp", 64, 64, kKeyBlack},
    {"Art\\Favors\\Ship8.bmp", 32, 32, kKeyBlack},    {"Art\\Favors\\Station1.bmp", 128, 128, kKeyRed},
    {"Art\\Favors\\Ship9.bmp", 64, 64, kKeyBlack},    {"Art\\Quests\\Colony2.bmp", 64, 64, kKeyRed},
};

constexpr SheetImage kEnemyImages[] = {
    {"Art\\Enemy\\1.bmp", 32, 32, kKeyBlack},       {"Art\\Enemy\\2.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\3.bmp", 32, 32, kKeyBlack},       {"Art\\Enemy\\4.bmp", 64, 64, kKeyGreen},
    {"Art\\Enemy\\5.bmp", 64, 64, kKeyBlack},       {"Art\\Enemy\\6.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\7.bmp", 32, 32, kKeyBlack},       {"Art\\Enemy\\8.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\9.bmp", 32, 32, kKeyBlack},       {"Art\\Enemy\\10.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\11.bmp", 32, 32, kKeyBlack},      {"Art\\Enemy\\12.bmp", 64, 64, kKeyGreen},
    {"Art\\Enemy\\14.bmp", 32, 32, kKeyRed},        {"Art\\Enemy\\16.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\15.bmp", 64, 64, kKeyRed},        {"Art\\Enemy\\17.bmp", 32, 32, kKeyRed},
    {"Art\\Enemy\\18.bmp", 64, 64, kKeyRed},        {"Art\\Enemy\\Zombie.bmp", 64, 64, kKeyRed},
    {"Art\\Enemy\\Zombie2.bmp", 32, 32, kKeyBlack}, {"Art\\Enemy\\20.bmp", 64, 64, kKeyGreen},
    {"Art\\War1\\Smoke2.bmp", 16, 32, kKeyRed},     {"Art\\War1\\Particle1.bmp", 16, 16, kKeyBlack},
    {"Art\\War1\\Particle2.bmp", 16, 16, kKeyRed},  {"Art\\Enemy\\21.bmp", 64, 64, kKeyBlack},
    {"Art\\Enemy\\Dragon.bmp", 64, 64, kKeyRed},    {"Art\\Enemy\\Dragon2.bmp", 32, 32, kKeyRed},
    {"Art\\Enemy\\Dragon3.bmp", 64, 64, kKeyRed},   {"Art\\Enemy\\22.bmp", 32, 32, kKeyRed},
};

constexpr const char* kRingFiles[kRingCount] = {"Art\\Shots\\Wave1.PNG", "Art\\Shots\\Wave2.PNG",
                                                "Art\\Shots\\Wave3.PNG"};
constexpr uint32_t kRingKey = 0xFFFF0000;

template <size_t N>
SpriteSheet* MakeSheet(GraphicsDevice* graphics, int imageCount, const SheetImage (&images)[N]) {
    auto* sheet = new SpriteSheet();
    sheet->Init(graphics, imageCount);
    sheet->SetAlphaTest(1);
    // A missing file leaves its image empty; drawing it then draws nothing.
    for (size_t i = 0; i < N; ++i) {
        sheet->LoadImage(static_cast<int>(i), images[i].file, images[i].frameW, images[i].frameH, images[i].key,
                         kFormatA1R5G5B5);
    }
    return sheet;
}

}  // namespace

void BattleEngine::BuildRingVertices(ShockWave& wave) {
    constexpr float kDegreesToRadians = 0.017444445f;
    constexpr float kSegmentDegrees = 361.0f / 20.0f;
    const float outer = wave.radius;
    const float inner = wave.radius - wave.width;
    RingVertex* v = wave.vertexBuffer.get();
    int n = 0;
    for (int segment = 0; segment < wave.segments && n + 6 <= ShockWave::kVertexCount; ++segment) {
        const float a = segment * kSegmentDegrees;
        if (a >= 360.0f) break;
        const float next = a + kSegmentDegrees;
        const float ca = std::cos(a * kDegreesToRadians), sa = std::sin(a * kDegreesToRadians);
        const float cb = std::cos(next * kDegreesToRadians), sb = std::sin(next * kDegreesToRadians);
        const RingVertex innerA{ca * inner, 0.0f, sa * inner, 0xFFFFFFFF, 0.0f, 1.0f};
        const RingVertex outerA{ca * outer, 0.0f, sa * outer, 0xFFFFFFFF, 0.0f, 0.0f};
        const RingVertex innerB{cb * inner, 0.0f, sb * inner, 0xFFFFFFFF, 1.0f, 1.0f};
        const RingVertex outerB{cb * outer, 0.0f, sb * outer, 0xFFFFFFFF, 1.0f, 0.0f};
        v[n++] = innerA;
        v[n++] = outerA;
        v[n++] = innerB;
        v[n++] = outerA;
        v[n++] = outerB;
        v[n++] = innerB;
    }
}

void BattleEngine::LoadArt(GraphicsDevice* graphics) {
    ReleaseArt();  // a second load replaces the art instead of leaking it
    shotsSheet = MakeSheet(graphics, kShotsSheetImages, kShotsImages);
    shipSheet = MakeSheet(graphics, 14, kShipImages);
    buildingsSheet = MakeSheet(graphics, 12, kBuildingImages);
    robotsSheet = MakeSheet(graphics, 4, kRobotImages);
    favorsSheet = MakeSheet(graphics, 12, kFavorImages);
    enemiesSheet = MakeSheet(graphics, 28, kEnemyImages);

    for (int k = 0; k < kRingCount; ++k) {
        ShockWave& wave = ring[k];
        delete wave.texture;
        wave.texture = new Texture();
        wave.texture->Load(graphics, kRingFiles[k], kRingKey, kFormatA1R5G5B5);
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
