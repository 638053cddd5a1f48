#include <gtest/gtest.h>

#include "frontend/directions_screen.h"
#include "frontend/help_pages.h"
#include "frontend_test_support.h"

namespace frontend_test {
namespace {

At TopicButton(int t) { return {80, 80 + 40 * (t - 1)}; }
constexpr At kBack{730, 25};
constexpr At kNothing{400, 300};

// The help pages as the help scene drives them; it counts the sounds it
// would play.
struct HelpVisit {
    void Frame(At at) {
        InputDevice* device = mouse.Poll();
        screen.HitTest(at.x, at.y);
        screen.Click(at.x, at.y, device);
        const DirectionsScreen::Settled settled = screen.SettleClick(device);
        leaves += settled == DirectionsScreen::kLeave;
        clickSounds += settled == DirectionsScreen::kTopicClicked;
    }
    DirectionsScreen screen;
    Mouse mouse;
    int leaves = 0, clickSounds = 0;
};

TEST(DirectionsScreen, APressShowsTheTopicAtOnceAndTheReleaseSounds) {
    HelpVisit v;
    EXPECT_EQ(v.screen.topic, 1);
    PressAt(v, TopicButton(5));
    EXPECT_EQ(v.screen.topic, 5);
    EXPECT_EQ(v.clickSounds, 0);
    v.Frame(TopicButton(7));  // held, dragged over topic 7
    EXPECT_EQ(v.screen.topic, 7);
    ReleaseAt(v, TopicButton(7));
    EXPECT_EQ(v.clickSounds, 1);

    PressAt(v, TopicButton(13));
    v.Frame(kNothing);  // dragged off before letting go: no click sound
    ReleaseAt(v, kNothing);
    EXPECT_EQ(v.screen.topic, 13);
    EXPECT_EQ(v.clickSounds, 1);

    PressAt(v, kNothing);
    ReleaseAt(v, kNothing);
    EXPECT_EQ(v.screen.topic, 13);
    EXPECT_EQ(v.clickSounds, 1);
    EXPECT_EQ(v.leaves, 0);
}

TEST(DirectionsScreen, BackLeavesOnReleaseOrOnceDraggedOff) {
    HelpVisit held;
    PressAt(held, kBack);
    for (int i = 0; i < 5; ++i) held.Frame(kBack);
    EXPECT_EQ(held.leaves, 0);
    EXPECT_EQ(held.screen.backFrame, 2);
    ReleaseAt(held, kBack);
    EXPECT_EQ(held.leaves, 1);

    HelpVisit dragged;
    PressAt(dragged, kBack);
    dragged.Frame(TopicButton(1));
    EXPECT_EQ(dragged.leaves, 1);
    EXPECT_EQ(dragged.screen.topic, 1) << "the drag did not pick a topic";
}

// Every page fits the screen right of the topic list.
TEST(DirectionsScreen, PagesFitTheScreen) {
    for (const help_pages::Topic& topic : help_pages::kTopicPages) {
        SCOPED_TRACE(topic.title);
        int lines = 0;
        for (const help_pages::Paragraph& p : topic.paragraphs) {
            for (int k = 0; k < help_pages::kMaxLines && p.lines[k].text; ++k, ++lines) {
                EXPECT_GE(p.x, 150);
                EXPECT_LE(p.y + 25 * k + 25, 600);
            }
            if (p.picture != 0) {
                EXPECT_TRUE(p.picture >= 2 && p.picture <= 6);
                EXPECT_LE(p.pictureY + 128, 600);
            }
        }
        EXPECT_GT(lines, 0);
    }
}

class DirectionsScreenPicture : public Canvas {};

TEST_F(DirectionsScreenPicture, FirstTopicWithTheNextUnderThePointer) {
    HelpVisit v;
    v.screen.LoadArt(&graphics_);
    v.Frame(TopicButton(2));
    Begin();
    v.screen.Draw();
    EXPECT_TRUE(MatchesReference(Shot(), "directions_topic1"));
}

}  // namespace
}  // namespace frontend_test
