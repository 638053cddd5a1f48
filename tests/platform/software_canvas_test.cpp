// The software renderer's direct drawing against SDL's own software renderer:
// the same sprite draws, through the canvas and through SDL, pixel for pixel.
#include <gtest/gtest.h>

#include <random>

#include <cmath>

#include "allocation_count.h"
#include "platform/camera.h"
#include "platform/matrix4.h"
#include "platform/mesh_renderer.h"
#include "platform/software_canvas.h"
#include "platform/sprite_sheet.h"
#include "test_support.h"

namespace {

// 128 x 64: two rows of 32 x 32 frames with colours that change in each
// direction and a keyed-out border; the top row has every alpha from 0 to
// 255, the bottom row is opaque.
Image SpriteArt() {
    Image img;
    img.Resize(128, 64);
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const int fx = x % 32, fy = y % 32;
            const bool border = fx < 2 || fy < 2 || fx > 29 || fy > 29;
            const uint32_t alpha = border ? 0 : y >= 32 ? 255 : static_cast<uint32_t>((fx * 8 + fy * 5 + x / 32 * 60) % 256);
            img.At(x, y) = border ? 0xFF000000u
                                  : alpha << 24 | static_cast<uint32_t>(x * 2) << 16 |
                                        static_cast<uint32_t>(y * 4 % 256) << 8 | static_cast<uint32_t>((x + y) % 256);
        }
    }
    return img;
}

struct Draw {
    int frame;
    float x, y, scaleX, scaleY;
    int centre;
    float rotation;
    uint32_t colour;
};

// Placed, stretched, mirrored and turned every way the game draws, and at and
// across every edge of the back buffer.
constexpr Draw kDraws[] = {
    {0, 10, 10, 1, 1, 0, 0, 0xFFFFFFFF},           {1, 60.7f, 10.2f, 1, 1, 0, 0, 0xA5FFFFFF},
    {2, -12.5f, 30, 1, 1, 0, 0, 0xFFFF8040},       {3, 300, -20.9f, 1, 1, 0, 0, 0x80204080},
    {4, 305, 225, 1, 1, 0, 0, 0xF0FFFFFF},         {5, -31.9f, -31.9f, 1, 1, 0, 0, 0xFFFFFFFF},
    {6, 100, 40, 0.75f, 0.75f, 0, 0, 0xA5FFFFFF},  {7, 140, 40, 1.8f, 1.0f, 0, 0, 0x78FFFFFF},
    {0, 200, 40, 6.25f, 4.0f, 0, 0, 0x46FFFFFF},   {1, -20, 100, 2.5f, 2.5f, 0, 0, 0xFFFFFFFF},
    {2, 290, 200, 0.9f, 3.0f, 0, 0, 0xFF9BFF9B},   {3, 20, 150, 0.3f, 0.3f, 0, 0, 0xFFFFFFFF},
    {4, 60, 150, -1.5f, 1.5f, 0, 0, 0xFFFFFF00},   {5, 120, 150, 1.0f, -1.0f, 0, 0, 0xFFFFFFFF},
    {6, 150, 100, 1, 1, 16, -0.785f, 0xFFFFFFFF},  {7, 190, 100, 1, 1, 16, -1.5707964f, 0xC8FFFFFF},
    {0, 230, 100, 1, 1, 16, 3.14159265f, 0xFF808080}, {1, 270, 100, 1, 1, 16, 4.71f, 0xFFFFFFFF},
    {2, 10, 190, 0.72f, 0.22f, 0, -2.5f, 0xFFFFFFFF}, {3, 50, 190, 1.2f, 1.2f, 32, 0.3f, 0x6BFFFFFF},
    {4, 110, 190, 0.6f, 0.6f, 38, 2.2f, 0xFFFFFFFF},  {5, 300, -10, 1, 1, 16, -0.098125f, 0xFFFFFFFF},
    {6, -10, 220, 2.0f, 1.0f, 16, 0.6f, 0xFFFFFFFF},  {7, 170, 200, -1.0f, 1.0f, 16, 0.4f, 0xD2FFFFFF},
    {0, 200, 180, 1, 1, 16, 6.28f, 0xFFFFFFFF},       {1, 240, 180, 1, 1, 0, 0.0001f, 0xFFFFFFFF},
};

class SoftwareCanvasTest : public DeviceTest {
protected:
    void SetUp() override {
        Open(320, 240);
        ASSERT_NE(graphics_.Canvas(), nullptr) << "the tests run on the software renderer";
        ASSERT_EQ(sheet_.Init(&graphics_, 1), 1);
        ASSERT_EQ(sheet_.LoadImagePixels(0, SpriteArt(), 32, 32, 0xFF000000, kFormatA8R8G8B8), 1);
    }
    void TearDown() override {
        sheet_.Release();
        DeviceTest::TearDown();
    }

    // Every draw twice (the second from the kept frames), then a random many.
    Image DrawAll() {
        graphics_.ClearTarget(0xFF203040);
        for (int pass = 0; pass < 2; ++pass)
            for (const Draw& d : kDraws)
                sheet_.Draw(0, d.frame, d.x, d.y, d.colour, d.scaleX, d.scaleY, d.centre, d.rotation);
        std::mt19937 random(7);
        auto between = [&](float low, float high) {
            return std::uniform_real_distribution<float>(low, high)(random);
        };
        for (int k = 0; k < 300; ++k) {
            const float scale = k % 3 == 0 ? 1.0f : between(-2.5f, 2.5f);
            const float rotation = k % 2 == 0 ? 0.0f : between(-7.0f, 7.0f);
            const uint32_t colour = static_cast<uint32_t>(random());
            sheet_.Draw(0, static_cast<int>(random() % 8), between(-40, 330), between(-40, 250), colour, scale,
                        k % 5 == 0 ? scale : between(0.2f, 2.0f), static_cast<int>(random() % 40), rotation);
        }
        Image shot;
        graphics_.ReadBackBuffer(shot);
        return shot;
    }

    // Shock-wave rings growing past the screen's edges, in a plain and a
    // tinted colour, and scattered triangles of every shape and facing.
    Image DrawMeshes(const Texture& texture) {
        graphics_.ClearTarget(0xFF102030);
        Camera camera;
        camera.LookAt(0, -20, -1, 0, 0, -1);
        graphics_.SetViewTransform(&camera);
        for (uint32_t colour : {0xFFFFFFFFu, 0xC0FF8040u}) {
            MeshVertex ring[120];
            int n = 0;
            for (int segment = 0; segment < 20; ++segment) {
                const float a = segment * 361.0f / 20 * 0.017444445f, b = (segment + 1) * 361.0f / 20 * 0.017444445f;
                auto at = [&](float angle, float r, float u, float v) {
                    return MeshVertex{std::cos(angle) * r, 0, std::sin(angle) * r, colour, u, v};
                };
                for (const MeshVertex& v :
                     {at(a, 8.5f, 0, 1), at(a, 10, 0, 0), at(b, 8.5f, 1, 1), at(a, 10, 0, 0), at(b, 10, 1, 0), at(b, 8.5f, 1, 1)})
                    ring[n++] = v;
            }
            for (float scale : {0.3f, 1.0f, 2.4f}) DrawMesh(&graphics_, MatrixScaling(scale, 1, scale), ring, n, &texture);
        }
        std::mt19937 random(11);
        auto between = [&](float low, float high) { return std::uniform_real_distribution<float>(low, high)(random); };
        MeshVertex scattered[60];
        for (MeshVertex& v : scattered)
            v = MeshVertex{between(-12, 12), 0, between(-10, 8), 0xFFFFFFFF, between(0, 1), between(0, 1)};
        DrawMesh(&graphics_, MatrixIdentity(), scattered, 60, &texture);
        // Flat triangles on the screen, both windings; the first steps two
        // texels every three pixels, so the sampled texel lands on whole numbers.
        const SDL_Color white{255, 255, 255, 255};
        const SDL_Vertex flat[] = {
            {{10, 150}, white, {8.0f / 128, 8.0f / 64}}, {{58, 150}, white, {41.0f / 128, 8.0f / 64}}, {{10, 174}, white, {8.0f / 128, 25.0f / 64}},
            {{60, 150}, white, {0.1f, 0.2f}},    {{60, 200}, white, {0.9f, 0.3f}},        {{110, 170}, white, {0.4f, 0.95f}},
            {{130.5f, 160.7f}, white, {0, 0}}, {{131, 210}, white, {0, 1}},              {{129, 230}, white, {1, 1}},
        };
        if (graphics_.Canvas()) {
            graphics_.Canvas()->DrawTriangles(texture, flat, 9);
        } else {
            SDL_RenderGeometry(graphics_.Device(), texture.texture, flat, 9, nullptr, 0);
        }
        Image shot;
        graphics_.ReadBackBuffer(shot);
        return shot;
    }

    SpriteSheet sheet_;
};

int Differing(const Image& a, const Image& b, const char* what) {
    int differing = 0;
    for (size_t i = 0; i < b.pixels.size(); ++i) {
        if (a.pixels[i] == b.pixels[i]) continue;
        if (differing++ < 5)
            ADD_FAILURE() << what << " at " << i % a.width << "," << i / a.width << ": " << Hex(a.pixels[i])
                          << " instead of " << Hex(b.pixels[i]);
    }
    return differing;
}

}  // namespace

TEST_F(SoftwareCanvasTest, DrawsSpritesAsSdlsSoftwareRendererDoesPixelForPixel) {
    SoftwareCanvas* canvas = graphics_.Canvas();
    graphics_.UseCanvas(false);
    ASSERT_EQ(graphics_.Canvas(), nullptr);
    const Image sdl = DrawAll();
    EXPECT_EQ(canvas->Frames().Frames(), 0) << "SDL drew the reference picture alone";
    graphics_.UseCanvas(true);
    const Image direct = DrawAll();
    ASSERT_EQ(direct.pixels.size(), sdl.pixels.size());
    EXPECT_EQ(Differing(direct, sdl, "sprites"), 0);
    EXPECT_GT(graphics_.Canvas()->Frames().Hits(), 0u) << "later draws used kept frames";
    EXPECT_EQ(graphics_.Canvas()->HandedBack(), 0) << "the canvas drew every copy itself";
}

TEST_F(SoftwareCanvasTest, DrawsTexturedTrianglesAsSdlsSoftwareRendererDoesPixelForPixel) {
    Texture texture;
    ASSERT_EQ(texture.LoadPixels(&graphics_, SpriteArt(), 0xFF000000, kFormatA8R8G8B8), 1);
    graphics_.UseCanvas(false);
    ASSERT_EQ(graphics_.Canvas(), nullptr) << "SDL draws the reference picture";
    const Image sdl = DrawMeshes(texture);
    graphics_.UseCanvas(true);
    const Image direct = DrawMeshes(texture);
    EXPECT_EQ(graphics_.Canvas()->HandedBack(), 0) << "the canvas drew every triangle itself";
    EXPECT_EQ(Differing(direct, sdl, "mesh"), 0);
    texture.Release();
}

TEST_F(SoftwareCanvasTest, OnceItsFramesAreKeptDrawingAllocatesNothing) {
    Texture texture;
    ASSERT_EQ(texture.LoadPixels(&graphics_, SpriteArt(), 0xFF000000, kFormatA8R8G8B8), 1);
    DrawAll();
    DrawMeshes(texture);
    graphics_.Present();
    uint64_t made = 0;
    {
        CountAllocations count;
        graphics_.ClearTarget(0xFF000000);
        for (const Draw& d : kDraws)
            sheet_.Draw(0, d.frame, d.x, d.y, d.colour, d.scaleX, d.scaleY, d.centre, d.rotation);
        MeshVertex triangle[3] = {{-5, 0, -5, 0xFFFFFFFF, 0, 0}, {5, 0, -5, 0xFFFFFFFF, 1, 0}, {0, 0, 5, 0xFFFFFFFF, 0, 1}};
        DrawMesh(&graphics_, MatrixScaling(2, 1, 2), triangle, 3, &texture);
        graphics_.Present();
        made = count.Made();
    }
    EXPECT_EQ(made, 0u);
    EXPECT_EQ(graphics_.Canvas()->HandedBack(), 0);
    texture.Release();
}
