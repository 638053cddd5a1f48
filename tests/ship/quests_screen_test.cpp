#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "battle/battle_art_files.h"
#include "quest_skill_test_support.h"
#include "ship/favor_allies.h"
#include "ship/quests_screen.h"
#include "ship/quests_screen_texts.h"

namespace quest_skill_test {
namespace {

// Points on the screen the player aims at.
At FavorButton(int box) { return {40 + 200 * ((box - 1) % 4), 75 + 165 * ((box - 1) / 4)}; }
At BoxBody(int box) { return {100 + 200 * ((box - 1) % 4), 165 + 165 * ((box - 1) / 4)}; }
At Agree(int ally) { return {500, 265 + 87 * (ally - 1)}; }
constexpr At kAllyExit{380, 495};
constexpr At kBriefingExit{380, 410};
constexpr At kNoteExit{400, 320};
constexpr At kTopStrip{400, 20};

// A visit to the Quests screen, driven as the Quests scene drives it, frame by
// frame (16 ms each on the manual clock).
class QuestsVisit {
public:
    // The scene's copy-in on entry.
    QuestsVisit(ManualClock& clock, uint32_t set, std::vector<uint8_t> states, uint32_t favors) : clock_(clock) {
        screen.questSet = set;
        screen.SetAllyCosts();
        std::copy(states.begin(), states.end(), screen.questStates);
        screen.favors = favors;
        screen.FormatFavors();
    }
    void Frame(At at) {
        InputDevice* device = mouse.Poll();
        screen.HitTest(at.x, at.y);
        screen.OnClick(at.x, at.y, device);
        screen.ArmWhenButtonsUp(device);
        if (screen.buyRequested) {
            screen.buyRequested = 0;
            screen.BuyAlly();
        }
        if (screen.purchaseDone) {
            screen.purchaseDone = 0;
            ++purchases;
        }
        screen.Animate();
        clock_.Advance(16);
    }
    void Click(At at, int button = 0) { ClickThrough(*this, mouse, at, button); }

    Mouse mouse;
    QuestsScreen screen;
    int purchases = 0;

private:
    ManualClock& clock_;
};

class QuestsScreenTest : public ::testing::Test {
protected:
    ManualTime time;
};

TEST_F(QuestsScreenTest, BuyingAnAllySpendsItsCostAndCreditsItAsExperience) {
    const struct Case {
        uint32_t set, favors;
        int box, ally;
        bool bought;
    } cases[] = {
        {1, 80, 1, 1, true},       {1, 80, 1, 2, false},  // the new game's favors
        {1, 100, 1, 2, true},      {1, 99, 1, 2, false},  // an exact cost is affordable
        {2, 3000, 1, 1, true},     {2, 3199, 1, 2, false},  // set 2's box 1 is quest 13
        {1, 2000, 8, 2, true},     {2, 4300, 12, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "set " << c.set << " box " << c.box << " ally " << c.ally);
        QuestsVisit visit(time.clock, c.set, std::vector<uint8_t>(12, QuestsScreen::kActive), c.favors);
        QuestsScreen& screen = visit.screen;
        screen.experience = 500;
        const uint32_t cost = AllyCost(screen.QuestInBox(c.box), c.ally);
        visit.Click(FavorButton(c.box));
        ASSERT_EQ(screen.selectedQuest, c.box);
        visit.Click(Agree(c.ally));
        EXPECT_EQ(screen.allyFlags[QuestsScreen::AllyIndex(c.box, c.ally)] != 0, c.bought);
        EXPECT_EQ(visit.purchases, c.bought ? 1 : 0);
        EXPECT_EQ(screen.favors, c.bought ? c.favors - cost : c.favors);
        EXPECT_EQ(screen.experience, c.bought ? 500 + cost : 500u);
        EXPECT_EQ(screen.offerOpen[c.ally - 1], c.bought ? 0 : 1);
        EXPECT_EQ(screen.notEnoughBlink != 0, !c.bought);
        visit.Click(Agree(c.ally));  // a bought ally is not bought twice
        EXPECT_EQ(visit.purchases, c.bought ? 1 : 0);
    }
}

// All 72 prices as the screen fills them for each set: the totals of each
// set and of each ally, and a sum weighted by position that any changed or
// swapped price moves.
TEST(AllyCostTable, EachSetFillsTwelveRowsOfPricesAndNothingElse) {
    uint64_t setTotal[2] = {}, allyTotal[kAlliesPerQuest] = {}, weighted = 0;
    for (uint32_t set = 1; set <= 2; ++set) {
        QuestsScreen screen;
        screen.questSet = set;
        screen.SetAllyCosts();
        for (int box = 1; box <= QuestsScreen::kBoxes; ++box) {
            for (int ally = 1; ally <= kAlliesPerQuest; ++ally) {
                const uint32_t cost = screen.allyCosts[box - 1][ally - 1];
                const int position = 3 * (screen.QuestInBox(box) - 1) + ally;
                setTotal[set - 1] += cost;
                allyTotal[ally - 1] += cost;
                weighted += static_cast<uint64_t>(cost) * static_cast<uint64_t>(position);
            }
        }
        for (int row = QuestsScreen::kBoxes; row < QuestsScreen::kRecordQuests; ++row) {
            for (int ally = 0; ally < kAlliesPerQuest; ++ally) ASSERT_EQ(screen.allyCosts[row][ally], 0u) << row;
        }
        // Any other set leaves the table as it was.
        screen.questSet = 3;
        screen.allyCosts[0][0] = 7;
        screen.SetAllyCosts();
        EXPECT_EQ(screen.allyCosts[0][0], 7u);
    }
    EXPECT_EQ(setTotal[0], 43590u);
    EXPECT_EQ(setTotal[1], 132200u);
    EXPECT_EQ(allyTotal[0], 50530u);
    EXPECT_EQ(allyTotal[1], 59600u);
    EXPECT_EQ(allyTotal[2], 65660u);
    EXPECT_EQ(weighted, 8490710u);
    EXPECT_EQ(AllyCost(0, 1), 0u);
    EXPECT_EQ(AllyCost(25, 1), 0u);
    EXPECT_EQ(AllyCost(1, 4), 0u);
}

TEST_F(QuestsScreenTest, HeldAgreeKeepsAskingAndTheMessageLastsThirteenTicks) {
    QuestsVisit visit(time.clock, 1, std::vector<uint8_t>{QuestsScreen::kActive}, 80);
    QuestsScreen& screen = visit.screen;
    Mouse& mouse = visit.mouse;
    visit.Click(FavorButton(1));
    visit.Frame(Agree(3));
    mouse.Press();
    for (int frame = 0; frame < 60; ++frame) {
        visit.Frame(Agree(3));
        ASSERT_NE(screen.notEnoughBlink, 0) << "frame " << frame;
    }
    // Let go in a frame whose request was the last thing to touch the message.
    while (screen.notEnoughBlink != 1) visit.Frame(Agree(3));
    mouse.Release();
    // Each tick moves the counter on by one; count them until it is gone.
    int ticks = 0;
    uint8_t last = screen.notEnoughBlink;
    for (int frame = 0; frame < 200 && screen.notEnoughBlink != 0; ++frame) {
        visit.Frame(Agree(3));
        if (screen.notEnoughBlink != last) ++ticks;
        last = screen.notEnoughBlink;
    }
    EXPECT_EQ(screen.notEnoughBlink, 0);
    EXPECT_EQ(ticks, QuestsScreen::kNotEnoughTicks);
    EXPECT_EQ(visit.purchases, 0);
}

TEST_F(QuestsScreenTest, ThePressThatOpensThePanelCannotChooseAnAlly) {
    QuestsVisit visit(time.clock, 1, std::vector<uint8_t>{QuestsScreen::kActive}, 1000);
    visit.Frame(FavorButton(1));
    visit.mouse.Press();
    for (At at : {FavorButton(1), Agree(1), Agree(1)}) visit.Frame(at);  // dragged onto Agree, still down
    EXPECT_EQ(visit.purchases, 0);
    visit.mouse.Release();
    visit.Frame(Agree(1));
    visit.mouse.Press();
    visit.Frame(Agree(1));
    EXPECT_EQ(visit.purchases, 1);
}

TEST_F(QuestsScreenTest, HoverCodesFollowWhatIsOpen) {
    QuestsVisit visit(time.clock, 1, std::vector<uint8_t>{QuestsScreen::kActive, QuestsScreen::kNotGiven, QuestsScreen::kDone}, 0);
    QuestsScreen& screen = visit.screen;
    struct Case {
        At at;
        uint8_t code;
    };
    const auto expect = [&](std::initializer_list<Case> cases) {
        for (const Case& c : cases) {
            screen.HitTest(c.at.x, c.at.y);
            EXPECT_EQ(screen.hover, c.code) << c.at.x << "," << c.at.y;
        }
    };
    visit.Frame(kTopStrip);
    expect({
        {kTopStrip, QuestsScreen::kTopStrip}, {BoxBody(1), 20}, {FavorButton(1), 1},
        {FavorButton(2), 21},  // not given: no button
        {FavorButton(3), 22},  // done: no button
        {BoxBody(12), 31},
    });
    visit.Click(FavorButton(1));
    expect({{kTopStrip, 0}, {BoxBody(1), 0}, {FavorButton(1), 0}, {Agree(1), 13}, {Agree(3), 15},
            {kAllyExit, QuestsScreen::kAllyExit}});
}

TEST_F(QuestsScreenTest, HeldPressesPeekAndLeftPressesOpenUntilExit) {
    QuestsVisit visit(time.clock, 2, std::vector<uint8_t>{QuestsScreen::kNotGiven, QuestsScreen::kActive}, 0);
    QuestsScreen& screen = visit.screen;
    Mouse& mouse = visit.mouse;
    SpriteSheet noArt;
    // Right button held on box 1: its briefing shows only while held.
    visit.Frame(BoxBody(1));
    mouse.Press(1);
    for (int frame = 0; frame < 2; ++frame) visit.Frame(BoxBody(1));
    EXPECT_EQ(screen.briefingPeek, 1);
    EXPECT_EQ(screen.briefingOpen, 0);
    screen.DrawInvasions(&noArt, nullptr);
    EXPECT_EQ(screen.noInfoShown, 1) << "box 1 is not given";
    mouse.Release(1);
    visit.Frame(BoxBody(1));
    EXPECT_EQ(screen.briefingPeek, 0);

    // A left press on box 10 right where the briefing's Exit will be: the
    // briefing stays open while the button is held, and after it.
    visit.Frame(kBriefingExit);
    mouse.Press();
    for (int frame = 0; frame < 5; ++frame) visit.Frame(kBriefingExit);
    mouse.Release();
    visit.Frame(kBriefingExit);
    EXPECT_EQ(screen.briefingOpen, 10);
    visit.Frame(BoxBody(2));
    EXPECT_EQ(screen.hover, 0) << "no box reacts while a briefing is open";
    visit.Click(kBriefingExit);
    EXPECT_EQ(screen.briefingOpen, 0);

    // The note: a right hold peeks, a left press opens until its Exit.
    mouse.Press(1);
    visit.Frame(kTopStrip);
    EXPECT_EQ(screen.notesPeek, 1);
    EXPECT_EQ(screen.notesOpen, 0);
    mouse.Release(1);
    visit.Click(kTopStrip);
    EXPECT_EQ(screen.notesOpen, 1);
    visit.Click(kNoteExit);
    EXPECT_EQ(screen.notesOpen, 0);
}

// The screen drawn over the stand-in art, the favors sheet loaded as the
// battle engine loads it.
class QuestsScreenArt : public ScreenCanvas {
protected:
    void SetUp() override {
        ScreenCanvas::SetUp();
        const BattleSheetSpec& spec = BattleSheet(kSheetFavors);
        favors_.Init(&graphics_, spec.imageSlots);
        favors_.SetAlphaTest(1);
        for (int i = 0; i < spec.loadedImages; ++i) {
            const ArtFileEntry& e = spec.images[i];
            favors_.LoadImage(i, e.file, e.frameWidth, e.frameHeight, e.colourKey, kFormatA1R5G5B5);
        }
    }
    void TearDown() override {
        favors_.Release();
        ScreenCanvas::TearDown();
    }
    // DrawEarthSystem and DrawInvasions draw alike; the scene picks one by set.
    Image Draw(QuestsScreen& screen) {
        graphics_.Clear(0xFF000000u, 1.0f);
        graphics_.BeginScene();
        screen.DrawFrame(art_.menuSheet, &favors_);
        screen.DrawEarthSystem(art_.menuSheet, &favors_);
        graphics_.EndScene();
        return Shot();
    }

    ManualTime time;
    SpriteSheet favors_;
};

// Every picture a quest shows lies inside the loaded sheet.
TEST_F(QuestsScreenArt, EveryQuestPictureIsInTheLoadedSheet) {
    ASSERT_TRUE(HasArt()) << "no stand-in art";
    QuestsScreen earth;
    earth.questSet = 1;
    earth.LoadArt(&graphics_);
    EXPECT_EQ(earth.sheet->images[9].texture, nullptr) << "set 2 art only in set 2";
    QuestsScreen invasions;
    invasions.questSet = 2;
    invasions.LoadArt(&graphics_);
    const auto frames = [](const SpriteSheet& sheet, int image) {
        return sheet.framesPerRow[image] * (sheet.images[image].Height() / sheet.frameHeight[image]);
    };
    for (int image = 0; image < invasions.sheet->imageCount; ++image) {
        EXPECT_NE(invasions.sheet->images[image].texture, nullptr) << "image " << image;
    }
    for (int quest = 1; quest <= kQuestCount; ++quest) {
        const QuestPicture& p = QuestTexts(quest).picture;
        EXPECT_LT(p.frame, frames(*invasions.sheet, p.image)) << "quest " << quest;
    }
}

TEST_F(QuestsScreenArt, AllyPanelOverTheGrid) {
    ASSERT_TRUE(HasArt()) << "no stand-in art";
    QuestsVisit visit(time.clock, 1, {2, 1, 0, 1, 2, 1}, 250);
    visit.screen.LoadArt(&graphics_);
    visit.screen.allyFlags[QuestsScreen::AllyIndex(2, 1)] = 1;  // bought on an earlier visit
    visit.Click(FavorButton(2));
    visit.Click(Agree(3));  // 300: refused
    visit.Frame(Agree(2));
    EXPECT_TRUE(MatchesReference(Draw(visit.screen), "quests_ally_panel"));
}

TEST_F(QuestsScreenArt, BriefingOfADoneQuestInSetTwo) {
    ASSERT_TRUE(HasArt()) << "no stand-in art";
    QuestsVisit visit(time.clock, 2, {2, 2, 1, 0, 1}, 0);
    visit.screen.LoadArt(&graphics_);
    visit.Click(BoxBody(2));
    EXPECT_TRUE(MatchesReference(Draw(visit.screen), "quests_invasions_briefing"));
}

// Only boxes updated since the last visit flash, and only at the start of it.
TEST_F(QuestsScreenArt, UpdatedBoxesFlashOnceWhenQuestsChanged) {
    ASSERT_TRUE(HasArt()) << "no stand-in art";
    QuestsVisit plain(time.clock, 1, {2, 1}, 0), updated(time.clock, 1, {2, 1}, 0), unflagged(time.clock, 1, {2, 1}, 0);
    for (QuestsVisit* visit : {&plain, &updated, &unflagged}) visit->screen.LoadArt(&graphics_);
    updated.screen.questsUpdated = 1;
    updated.screen.questUpdated[0] = 1;
    updated.screen.questUpdated[1] = 2;    // seen before
    unflagged.screen.questUpdated[0] = 1;  // but nothing changed since the last visit

    const Image calm = Draw(plain.screen);
    const Image flashing = Draw(updated.screen);
    long box1 = 0, box2 = 0;
    for (int y = 45; y < 210; ++y) {
        for (int x = 0; x < 200; ++x) box1 += calm.At(x, y) != flashing.At(x, y);
        for (int x = 200; x < 400; ++x) box2 += calm.At(x, y) != flashing.At(x, y);
    }
    EXPECT_GT(box1, 200 * 165 / 2) << "the flash covers most of box 1";
    EXPECT_EQ(box2, 0);
    EXPECT_EQ(calm.pixels, Draw(unflagged.screen).pixels);
    for (int frame = 0; frame < 400; ++frame) updated.Frame({700, 20});
    EXPECT_EQ(calm.pixels, Draw(updated.screen).pixels) << "the flash has ended";
}

}  // namespace
}  // namespace quest_skill_test
