// The engine's home-base buildings: picking, dropping with the overlap test,
// and what DrawBase and DrawMessageFrame put on screen.
#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"
#include "headless_device.h"
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

TEST_F(BuildingDrop, NewBuildingNeedsTheReadyFlagAndFillsTheFirstFreeSlot) {
    int32_t dropX = 400, dropY = 300;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.newBuildingPending, 1) << "not ready: nothing is dropped";
    EXPECT_EQ(dropX, 400);

    engine.newBuildingReady = 1;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.placedBuildingSlot, 2);
    EXPECT_EQ(engine.newBuildingPending, 0);
    EXPECT_EQ(engine.newBuildingReady, 0);
    EXPECT_EQ(engine.baseChanged, 1);
    EXPECT_EQ(engine.buildingPlacedEvent, 1);
    EXPECT_EQ(engine.building.active[1], 1);
    EXPECT_EQ(engine.building.type[1], 5);
    EXPECT_EQ(engine.building.level[1], 0);
    EXPECT_EQ(engine.building.x[1], 500);
    EXPECT_EQ(engine.building.y[1], -600);
    EXPECT_EQ(engine.building.w[1], 64);
    EXPECT_EQ(dropX, 440) << "a second drop in this frame lands beside the first";
    EXPECT_EQ(dropY, 340);
    EXPECT_EQ(engine.factoryMoved, 0);
}

TEST_F(BuildingDrop, AFullTableKeepsTheBuildingCarried) {
    for (int i = 1; i < kBuildingSlots; ++i) AddBuilding(engine, i, 5000 + 70 * i, -700, 2);
    engine.newBuildingReady = 1;
    int32_t dropX = 400, dropY = 300;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.newBuildingPending, 1);
    EXPECT_EQ(engine.newBuildingReady, 1);
    EXPECT_EQ(engine.placedBuildingSlot, 0);
    EXPECT_EQ(engine.baseChanged, 0);
    EXPECT_EQ(dropX, 400);
}

TEST_F(BuildingDrop, FactoryAtTheTopLevelMovesTheRobotSpawnPoint) {
    engine.newBuildingKind = 12;
    engine.newBuildingReady = 1;
    engine.topFactoryLevel = 1;
    int32_t dropX = 400, dropY = 300;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.factoryMoved, 0) << "a new factory (level 0) is below the top level 1";

    engine.newBuildingPending = engine.newBuildingReady = 1;
    engine.topFactoryLevel = 0;
    dropX = 440;
    dropY = 100;
    engine.PlaceBuilding(kCamX, kCamY, dropX, dropY);
    EXPECT_EQ(engine.factoryMoved, 1);
    EXPECT_EQ(engine.factoryX, 540);
    EXPECT_EQ(engine.factoryY, -800);
}

TEST_F(BuildingDrop, MovedBuildingReturnsToTheTableAtTheDropPoint) {
    engine.newBuildingPending = 0;
    AddBuilding(engine, 4, 900, -800, 11, 2);
    engine.topFactoryLevel = 2;
    engine.building.active[4] = 0;  // carried: out of the table
    engine.movingBuilding = 2;
    engine.movingBuildingSlot = 4;
    int32_t dropX = 210, dropY = 10;  // would overlap its old place, which is empty now
    engine.PlaceBuilding(200, -200, dropX, dropY);
    EXPECT_EQ(engine.movingBuilding, 0);
    EXPECT_EQ(engine.building.active[4], 1);
    EXPECT_EQ(engine.building.x[4], 410);
    EXPECT_EQ(engine.building.y[4], -190);
    EXPECT_EQ(engine.building.level[4], 2);
    EXPECT_EQ(engine.baseChanged, 1);
    EXPECT_EQ(engine.placedBuildingSlot, 0) << "a move is no new building";
    EXPECT_EQ(engine.factoryMoved, 1);
    EXPECT_EQ(engine.factoryX, 410);
    EXPECT_EQ(dropX, 250);
}

// ---- Drawing ----

Image Solid(int size, uint32_t colour) {
    Image image;
    image.Resize(size, size);
    for (uint32_t& p : image.pixels) p = colour;
    return image;
}

SpriteSheet* SolidSheet(GraphicsDevice* graphics, int images, int size, uint32_t (*colourOf)(int)) {
    auto* sheet = new SpriteSheet();
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

TEST_F(BaseDrawing, BuildingsOnScreenWithTheSelectionMark) {
    AddBuilding(engine, 0, 300, -700, 3);    // screen (200, 200)
    AddBuilding(engine, 1, 1000, -700, 9);   // screen (900, 200): off screen
    AddBuilding(engine, 2, 500, -500, 11);   // screen (400, 400), selected
    engine.hoveredBuilding = 3;
    Image shot = Draw();
    EXPECT_EQ(Red(shot.At(230, 230)), 80) << "image 3 is the kind's own picture";
    EXPECT_EQ(Green(shot.At(230, 230)), 0);
    const uint32_t selected = shot.At(430, 430);
    EXPECT_GT(Green(selected), 60) << "the translucent Selected mark lies over the factory";
    EXPECT_LT(Green(selected), 255);
    EXPECT_GT(Red(selected), 100);
    EXPECT_EQ(shot.At(20, 20) & 0xFFFFFFu, 0u);
    EXPECT_EQ(shot.At(150, 150) & 0xFFFFFFu, 0u);
}

TEST_F(BaseDrawing, CarriedNewBuildingShowsAGhostAndThePlacementFrame) {
    AddBuilding(engine, 0, 300, -700, 3);
    engine.newBuildingPending = 1;
    engine.newBuildingKind = 12;
    Image shot = Draw(500, 300);
    const uint32_t ghost = shot.At(530, 330);
    EXPECT_GT(Red(ghost), 60) << "kind 12 is image 11, drawn at 0x64 alpha";
    EXPECT_LT(Red(ghost), 240);
    EXPECT_EQ(Red(shot.At(230, 230)), 80);
    EXPECT_GT(Red(shot.At(700, 20)), 180) << "message frame at the top right";
    EXPECT_EQ(shot.At(400, 150) & 0xFFFFFFu, 0u) << "no blocked frame";
}

TEST_F(BaseDrawing, MovedBuildingIsDrawnOnlyAsTheGhost) {
    AddBuilding(engine, 5, 300, -700, 4);
    engine.building.active[5] = 0;
    engine.movingBuilding = 2;
    engine.movingBuildingSlot = 5;
    Image shot = Draw(600, 400);
    EXPECT_EQ(shot.At(230, 230) & 0xFFFFFFu, 0u);
    EXPECT_GT(Red(shot.At(630, 430)), 20);
    EXPECT_LT(Red(shot.At(630, 430)), 100);
    EXPECT_EQ(shot.At(700, 20) & 0xFFFFFFu, 0u) << "no placement frame for a move";
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
}

TEST_F(BaseDrawing, MessageFrameStyles) {
    auto drawStyle = [this](int style) {
        graphics->BeginScene();
        graphics->Clear(0, 1.0f);
        BattleEngine::DrawMessageFrame(&menu, style);
        graphics->EndScene();
        Image shot;
        graphics->ReadBackBuffer(shot);
        return shot;
    };
    Image large = drawStyle(0);
    EXPECT_GT(Red(large.At(400, 200)), 100);
    EXPECT_EQ(large.At(400, 300) & 0xFFFFFFu, 0u);
    Image line = drawStyle(1);
    EXPECT_GT(Red(line.At(400, 45)), 180);
    EXPECT_EQ(line.At(400, 150) & 0xFFFFFFu, 0u);
    Image none = drawStyle(2);
    long lit = 0;
    for (uint32_t p : none.pixels) lit += (p & 0xFFFFFFu) != 0;
    EXPECT_EQ(lit, 0) << "any other style draws nothing";
}

}  // namespace
