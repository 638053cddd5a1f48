// The Your Ship screen drawn headless from the stand-in art.
#include <gtest/gtest.h>

#include <string>

#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "ship_rig.h"
#include "support/golden_image.h"
#include "support/headless_canvas.h"

namespace {

class ShipDraw : public HeadlessCanvas {
protected:
    Image Draw(ShipScreen& screen) {
        graphics_.Clear(0xFF000000, 1.0f);
        graphics_.BeginScene();
        screen.DrawPanels(art_.menuSheet);
        screen.DrawItems(art_.menuSheet);
        screen.DrawName(670, 6, art_.menuSheet);
        graphics_.EndScene();
        return ReadBack();
    }
};

// Exact: the software renderer draws the same picture on every run.
::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name) {
    return MatchesGolden(actual, "ship", name);
}

}  // namespace

TEST_F(ShipDraw, EveryImageTheScreenLoadsIsAStandIn) {
    ShipScreen screen;
    EXPECT_EQ(screen.LoadArt(&graphics_), 1);
    int loaded = 0;
    for (int image : {0, 2, 5, 6}) loaded += screen.shipSheet->images[image].texture != nullptr;
    for (const auto& sheet : screen.iconSheets)
        for (int i = 0; i < sheet->imageCount; ++i) loaded += sheet->images[i].texture != nullptr;
    EXPECT_EQ(loaded, 4 + 6 + 6 + 5 + 4);
    screen.FreeArt();
    EXPECT_EQ(screen.shipSheet, nullptr);
    EXPECT_EQ(screen.font, nullptr);
}

// A new game at the base with storage 1 open and a cube on the cursor.
TEST_F(ShipDraw, TheScreenMatchesItsPicture) {
    ShipRig rig;
    rig.s().LoadArt(&graphics_);
    rig.Click(50, 580);
    rig.Click(HoldCell(3).x, HoldCell(3).y);
    rig.MoveTo(470, 330);
    EXPECT_TRUE(MatchesReference(Draw(rig.s()), "ship_holding"));
}
