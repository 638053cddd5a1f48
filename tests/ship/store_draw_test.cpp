// The Store drawn headless from the stand-in art.
#include <gtest/gtest.h>

#include <functional>

#include "quest_skill_test_support.h"
#include "store_visit.h"

namespace store_test {
namespace {

using quest_skill_test::MatchesReference;

class StoreDraw : public quest_skill_test::ScreenCanvas {
protected:
    Image Draw(StoreScreen& s) {
        graphics_.Clear(0xFF000000, 1.0f);
        graphics_.BeginScene();
        s.DrawTabs(art_.menuSheet);
        s.Draw(art_.menuSheet);
        graphics_.EndScene();
        return Shot();
    }
};

TEST_F(StoreDraw, EveryImageTheScreenLoadsIsAStandIn) {
    StoreScreen s;
    s.LoadArt(&graphics_);
    int loaded = s.backdrop->images[0].texture != nullptr;
    for (const auto& sheet : s.iconSheets) {
        for (int i = 0; i < sheet->imageCount; ++i) loaded += sheet->images[i].texture != nullptr;
    }
    EXPECT_EQ(loaded, 1 + 6 + 6 + 5 + 4);
    s.FreeArt();
    s.FreeArt();
    EXPECT_EQ(s.backdrop, nullptr);
    EXPECT_EQ(s.font, nullptr);
}

// The pictures the player sees: the stock with a tooltip, the "Buy?" dialog,
// the storage panel with a hold item's tooltip, and an exchange in progress.
TEST_F(StoreDraw, TheScreenMatchesItsPictures) {
    ASSERT_TRUE(HasArt());
    const struct Shot {
        const char* name;
        std::function<void(StoreVisit&)> play;
    } shots[] = {
        {"store_stock_tooltip", [](StoreVisit& v) { v.MoveTo(StockItem(v.s(), 12)); }},
        {"store_buy_dialog",
         [](StoreVisit& v) {
             v.Click(Tab(kCannon));
             v.Click(StockItem(v.s(), 80));
             v.MoveTo(kYes);
         }},
        {"store_storage_panel", [](StoreVisit& v) {
             v.Click(BarButton(4));
             v.MoveTo(HoldCell(1));
         }},
        {"store_exchange", [](StoreVisit& v) {
             v.Click(BarButton(3));
             v.Click(MaterialChoice(1));
             v.Click(StepButton(1, 1));
             v.Click(StepButton(3, 2));
             v.MoveTo(StepButton(2, 4));
         }},
    };
    for (const Shot& shot : shots) {
        SCOPED_TRACE(shot.name);
        StoreVisit visit(100, [](GameState& g) { g.resources[GameState::kGold] = 20000; });
        visit.s().LoadArt(&graphics_);
        shot.play(visit);
        EXPECT_TRUE(MatchesReference(Draw(visit.s()), shot.name));
    }
}

}  // namespace
}  // namespace store_test
