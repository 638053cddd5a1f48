// The engine's home-base buildings: picking, dropping with the overlap test,
// and what DrawBase and DrawMessageFrame put on screen.
#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"
#include "support/headless_device.h"
#include "platform/image_codec.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int32_t kCamX = 100, kCamY = -900;

void AddBuilding(BattleEngine& engine, int slot, int32_t x, int32_t y, uint8_t type, int32_t level = 0) {
    engine.building.active[slot] = 1;
    engine.building.x[slot] = x;
    engine.building.y[slot] = y;
    engine.building.type[slot] = type;
    engine.building.level[slot] = level;
}

TEST(BuildingPick, FindsTheHighestSlotUnderTheMouseEdgesIncluded) {
    BattleEngine engine;
    AddBuilding(engine, 3, 300, -700, 1);
    AddBuilding(engine, 7, 330, -690, 4);  // overlaps slot 3
    // Screen rectangle of slot 3: x 200..264, y 200..264.
    engine.PickBuilding(kCamX, kCamY, 240, 215);
    EXPECT_EQ(engine.hoveredBuilding, 8) << "both lie under the mouse: the later slot wins";
    EXPECT_EQ(engine.pickedBuilding, 8);
    EXPECT_EQ(engine.movingBuildingSlot, 7);

    engine.PickBuilding(kCamX, kCamY, 200, 264);  // bottom-left corner of slot 3 only
    EXPECT_EQ(engine.hoveredBuilding, 4);

    engine.PickBuilding(kCamX, kCamY, 10, 10);
    EXPECT_EQ(engine.hoveredBuilding, 0) << "a miss clears the selection";
    EXPECT_EQ(engine.pickedBuilding, 4) << "but the last picked building is kept";
    EXPECT_EQ(engine.movingBuildingSlot, 3);

    engine.building.active[3] = 0;
    engine.PickBuilding(kCamX, kCamY, 200, 264);
    EXPECT_EQ(engine.hoveredBuilding, 0) << "inactive slots are not picked";
}

class BuildingDrop : public ::testing::Test {
protected:
    void SetUp() override {
        AddBuilding(engine, 0, 300, -700, 0);  // screen 200..264 x 200..264
        engine.newBuildingPending = 1;
        engine.newBuildingKind = 6;  // Wealth Center
    }
    BattleEngine engine;
};

TEST_F(BuildingDrop, TouchingAnEdgeCountsAsTakenAndKeepsEveryFlag) {
    engine.newBuildingReady = 1;
    int32_t dropX = 136, dropY = 230;  // dropX + 64 == 200, the building's left edge
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.spotTaken, 1);
    EXPECT_EQ(engine.blockedTimer, 1);
    EXPECT_EQ(engine.newBuildingPending, 1);
    EXPECT_EQ(engine.newBuildingReady, 1);
    EXPECT_EQ(engine.placedBuildingSlot, 0);
    EXPECT_EQ(engine.building.active[1], 0);
    EXPECT_EQ(dropX, 136);
    EXPECT_EQ(engine.dropPointX, 136);

    engine.blockedTimer = 5;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.blockedTimer, 5) << "a running blocked timer is not restarted";

    dropX = 135;  // one pixel left of touching
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.spotTaken, 0);
    EXPECT_EQ(engine.placedBuildingSlot, 2);
}

TEST_F(BuildingDrop, NewBuildingNeedsTheReadyFlagAndAFreeSlot) {
    int32_t dropX = 400, dropY = 300;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.newBuildingPending, 1) << "not ready: nothing is dropped";
    EXPECT_EQ(dropX, 400);

    // Slot 1 still holds what an earlier building left: the new one starts afresh.
    engine.building.level[1] = 3;
    engine.building.frame[1] = 2;
    engine.building.w[1] = engine.building.h[1] = 10;
    engine.newBuildingReady = 1;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.placedBuildingSlot, 2);
    EXPECT_EQ(engine.newBuildingPending + engine.newBuildingReady, 0);
    EXPECT_EQ(engine.building.level[1], 0);
    EXPECT_EQ(engine.building.frame[1], 0);
    EXPECT_EQ(engine.building.w[1] + engine.building.h[1], 128);
    EXPECT_EQ(engine.baseChanged, 1);
    EXPECT_EQ(engine.buildingPlacedEvent, 1);
    EXPECT_EQ(engine.building.type[1], 5);
    EXPECT_EQ(engine.building.x[1], 500);
    EXPECT_EQ(engine.building.y[1], -600);
    EXPECT_EQ(dropX, 440) << "a second drop in this frame lands beside the first";
    EXPECT_EQ(dropY, 340);
    EXPECT_EQ(engine.factoryMoved, 0);

    // With every slot taken the next one stays carried.
    for (int i = 2; i < kBuildingSlots; ++i) AddBuilding(engine, i, 5000 + 70 * i, -700, 2);
    engine.newBuildingPending = engine.newBuildingReady = 1;
    engine.baseChanged = 0;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.newBuildingPending, 1);
    EXPECT_EQ(engine.baseChanged, 0);
    EXPECT_EQ(dropX, 440);
}

TEST_F(BuildingDrop, DroppedFactoriesAtTheTopLevelMoveTheRobotSpawnPoint) {
    // A new factory (level 0) below the top level 1 leaves the point alone.
    engine.newBuildingKind = 12;
    engine.newBuildingReady = 1;
    engine.topFactoryLevel = 1;
    int32_t dropX = 400, dropY = 300;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.factoryMoved, 0);

    // A carried level-2 factory goes back into its own slot at the drop point,
    // even over the place it left, and moves the point.
    AddBuilding(engine, 4, 900, -800, 11, 2);
    engine.topFactoryLevel = 2;
    engine.building.active[4] = 0;
    engine.movingBuilding = 2;
    engine.movingBuildingSlot = 4;
    engine.placedBuildingSlot = 0;
    dropX = 790, dropY = 90;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.movingBuilding, 0);
    EXPECT_EQ(engine.building.active[4], 1);
    EXPECT_EQ(engine.building.x[4], 890);
    EXPECT_EQ(engine.building.y[4], -810);
    EXPECT_EQ(engine.building.level[4], 2);
    EXPECT_EQ(engine.placedBuildingSlot, 0) << "a move is no new building";
    EXPECT_EQ(engine.factoryMoved, 1);
    EXPECT_EQ(engine.factoryX, 890);
    EXPECT_EQ(engine.factoryY, -810);
    EXPECT_EQ(dropX, 830);
}

// ---- Drawing ----

Image Solid(int size, uint32_t colour) {
    Image image;
    image.Resize(size, size);
    for (uint32_t& p : image.pixels) p = colour;
    return image;
}

std::unique_ptr<SpriteSheet> SolidSheet(GraphicsDevice* graphics, int images, int size, uint32_t (*colourOf)(int)) {
    auto sheet = std::make_unique<SpriteSheet>();
    sheet->Init(graphics, images);
    for (int i = 0; i < images; ++i) sheet->LoadImagePixels(i, Solid(size, colourOf(i)), size, size, 0, kFormatA8R8G8B8);
    return sheet;
}

uint32_t BuildingColour(int image) { return 0xFF000000u | static_cast<uint32_t>(20 * (image + 1)) << 16; }
uint32_t GreenColour(int) { return 0xFF00FF00u; }
uint32_t BlueColour(int) { return 0xFF0000FFu; }

uint8_t Red(uint32_t argb) { return static_cast<uint8_t>(argb >> 16); }
uint8_t Green(uint32_t argb) { return static_cast<uint8_t>(argb >> 8); }
uint8_t Blue(uint32_t argb) { return static_cast<uint8_t>(argb); }

class BaseDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(device.Ready());
        graphics = device.Graphics();
        graphics->SetAlphaBlend(1, kBlendSrcAlpha, kBlendInvSrcAlpha);
        engine.buildingsSheet = SolidSheet(graphics, 12, 64, BuildingColour);
        engine.shotsSheet = SolidSheet(graphics, 13, 64, GreenColour);
        engine.robotsSheet = SolidSheet(graphics, 4, 64, BlueColour);
        // The shared sheet's frame pieces at their own frame sizes: corners
        // 32 x 32 (four), edges 16 x 8 and 8 x 16 (two each), ground 32 x 32.
        menu.Init(graphics, 6);
        menu.LoadImagePixels(1, Solid(64, 0xFFFFFFFFu), 32, 32, 0, kFormatA8R8G8B8);
        menu.LoadImagePixels(2, Solid(16, 0xFFFFFFFFu), 16, 8, 0, kFormatA8R8G8B8);
        menu.LoadImagePixels(3, Solid(16, 0xFFFFFFFFu), 8, 16, 0, kFormatA8R8G8B8);
        menu.LoadImagePixels(5, Solid(32, 0xFFFFFFFFu), 32, 32, 0, kFormatA8R8G8B8);
    }
    void TearDown() override { engine.ReleaseArt(); }

    Image Draw(int32_t ghostX = 0, int32_t ghostY = 0) {
        graphics->BeginScene();
        graphics->Clear(0, 1.0f);
        engine.DrawBase(kCamX, kCamY, ghostX, ghostY, &menu);
        graphics->EndScene();
        Image shot;
        graphics->ReadBackBuffer(shot);
        return shot;
    }

    HeadlessDevice device{800, 600};
    GraphicsDevice* graphics = nullptr;
    BattleEngine engine;
    SpriteSheet menu;
};

TEST_F(BaseDrawing, BuildingsGhostsAndFrames) {
    AddBuilding(engine, 0, 300, -700, 3);   // screen (200, 200)
    AddBuilding(engine, 1, 1000, -700, 9);  // screen (900, 200): off screen
    AddBuilding(engine, 2, 500, -500, 11);  // screen (400, 400), selected
    engine.hoveredBuilding = 3;
    Image shot = Draw();
    EXPECT_EQ(Red(shot.At(230, 230)), 80) << "image 3 is the kind's own picture";
    EXPECT_GT(Green(shot.At(430, 430)), 60) << "the translucent Selected mark lies over the factory";
    EXPECT_LT(Green(shot.At(430, 430)), 255);
    EXPECT_EQ(shot.At(700, 20) & 0xFFFFFFu, 0u) << "no frame while nothing is carried";

    // A carried new building: its ghost and the placement frame at the top right.
    engine.newBuildingPending = 1;
    engine.newBuildingKind = 12;
    shot = Draw(500, 300);
    EXPECT_GT(Red(shot.At(530, 330)), 60) << "kind 12 is image 11, drawn at 0x64 alpha";
    EXPECT_LT(Red(shot.At(530, 330)), 240);
    EXPECT_GT(Red(shot.At(700, 20)), 180);
    EXPECT_EQ(shot.At(400, 150) & 0xFFFFFFu, 0u) << "no blocked frame";

    // A moved building shows only as its ghost, without the frame.
    engine.newBuildingPending = 0;
    engine.building.active[0] = 0;
    engine.movingBuilding = 2;
    engine.movingBuildingSlot = 0;
    shot = Draw(600, 400);
    EXPECT_EQ(shot.At(230, 230) & 0xFFFFFFu, 0u);
    EXPECT_GT(Red(shot.At(630, 430)), 20) << "its own picture (red 80) at 0x64 alpha";
    EXPECT_LT(Red(shot.At(630, 430)), 60);
    EXPECT_EQ(shot.At(700, 20) & 0xFFFFFFu, 0u);
}

TEST_F(BaseDrawing, BlockedAndNewRobotFrames) {
    engine.blockedTimer = 3;
    Image blocked = Draw();
    EXPECT_GT(Red(blocked.At(380, 275)), 180);
    EXPECT_EQ(blocked.At(380, 175) & 0xFFFFFFu, 0u);

    engine.blockedTimer = 0;
    engine.newRobotPending = 1;
    engine.newRobotX = 650;
    engine.newRobotY = -700;
    engine.newRobotScale = 0.5f;
    Image robot = Draw();
    EXPECT_GT(Red(robot.At(380, 175)), 180) << "the robot's notice stands 100 px higher";
    EXPECT_EQ(robot.At(380, 275) & 0xFFFFFFu, 0u);
    EXPECT_EQ(Blue(robot.At(560, 210)), 255) << "the robot at half size";
    EXPECT_EQ(robot.At(590, 240) & 0xFFFFFFu, 0u);

    // The two message frames of the area scenes, sampled down x = 400 at
    // y 45, 150, 200 and 300; any other style draws nothing.
    const int ys[4] = {45, 150, 200, 300};
    const bool lit[3][4] = {{true, true, true, false}, {true, false, false, false}, {false, false, false, false}};
    for (int style = 0; style < 3; ++style) {
        graphics->BeginScene();
        graphics->Clear(0, 1.0f);
        BattleEngine::DrawMessageFrame(&menu, style);
        graphics->EndScene();
        Image shot;
        graphics->ReadBackBuffer(shot);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(Red(shot.At(400, ys[k])) > 100, lit[style][k]) << style << " " << ys[k];
    }
}

}  // namespace
