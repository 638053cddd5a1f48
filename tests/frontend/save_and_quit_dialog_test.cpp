#include <gtest/gtest.h>

#include <algorithm>

#include "frontend/save_and_quit_dialog.h"
#include "frontend_test_support.h"

namespace frontend_test {
namespace {

constexpr At kOnYes{200, 340};
constexpr At kOnNo{560, 340};
constexpr At kAway{400, 50};

// The dialog driven as its scene drives it, one frame at a time.
struct DialogVisit {
    void Frame(At at) {
        InputDevice* device = mouse.Poll();
        dialog.HitTestYes(at.x, at.y);
        dialog.HitTestNo(at.x, at.y);
        dialog.Press(at.x, at.y, device);
        if (const uint8_t a = dialog.SettleChoice(device)) answer = a;
        dialog.ResetHover();
    }
    SaveAndQuitDialog dialog;
    Mouse mouse;
    uint8_t answer = 0;
};

TEST(SaveAndQuitDialog, ButtonsLightUnderThePointerWithHalfOpenEdges) {
    struct Case {
        At at;
        uint8_t yes, no;
    };
    // One visit, so each row also checks that the previous look was undone.
    constexpr Case kCases[] = {
        {{90, 270}, 1, 0},  {{329, 409}, 1, 0}, {{330, 300}, 0, 0}, {{200, 410}, 0, 0}, {{89, 300}, 0, 0},
        {{440, 270}, 0, 1}, {{679, 409}, 0, 1}, {{680, 300}, 0, 0}, {{560, 269}, 0, 0},
    };
    DialogVisit visit;
    for (const Case& c : kCases) {
        visit.Frame(c.at);
        EXPECT_EQ(visit.dialog.yesState, c.yes) << c.at.x << "," << c.at.y;
        EXPECT_EQ(visit.dialog.noState, c.no) << c.at.x << "," << c.at.y;
    }
    EXPECT_EQ(visit.answer, 0);
}

TEST(SaveAndQuitDialog, APressLocksTheLooksAndLeavingTheButtonCommits) {
    DialogVisit visit;
    PressAt(visit, kOnYes);
    for (int i = 0; i < 3; ++i) visit.Frame(kOnYes);  // held over Yes: nothing yet
    EXPECT_EQ(visit.answer, 0);
    EXPECT_EQ(visit.dialog.yesState, SaveAndQuitDialog::kPressed);
    EXPECT_EQ(visit.dialog.pressLock, 1);

    visit.Frame(kOnNo);  // dragged onto No: the press on Yes still decides
    EXPECT_EQ(visit.answer, SaveAndQuitDialog::kYes);
    EXPECT_EQ(visit.dialog.noState, 0);
    EXPECT_EQ(visit.dialog.yesState, SaveAndQuitDialog::kPressed);
}

TEST(SaveAndQuitDialog, EitherButtonAnswersOnReleaseOverIt) {
    for (int button : {0, 1}) {
        DialogVisit visit;
        PressAt(visit, kOnNo, button);
        EXPECT_EQ(visit.answer, 0);
        ReleaseAt(visit, kOnNo, button);
        EXPECT_EQ(visit.answer, SaveAndQuitDialog::kNo) << button;
        EXPECT_EQ(visit.dialog.pressLock, 0);
        visit.Frame(kAway);
        EXPECT_EQ(visit.dialog.noState, 0) << "the look is free again";
    }
    DialogVisit idle;
    PressAt(idle, kAway);
    ReleaseAt(idle, kAway);
    EXPECT_EQ(idle.answer, 0);
}

TEST(SaveAndQuitDialog, CloudRowsWrapAboveTheOthersWithoutEnd) {
    SaveAndQuitDialog dialog;
    dialog.Scroll(0);
    dialog.Scroll(256);  // only the low byte counts
    EXPECT_TRUE(std::equal(std::begin(dialog.tileRows), std::end(dialog.tileRows), std::begin(kCloudRowStart)));

    dialog.Scroll(89);  // row 3 passes 600 and goes above row 0, which has moved
    EXPECT_EQ(dialog.tileRows[3], dialog.tileRows[0] - 256);
    int wraps = 0;
    for (int frame = 0; frame < 4000; ++frame) {
        const uint8_t step = static_cast<uint8_t>(1 + frame % 5);
        int32_t before[kCloudRows];
        std::copy(std::begin(dialog.tileRows), std::end(dialog.tileRows), before);
        dialog.Scroll(step);
        for (int r = 0; r < kCloudRows; ++r) {
            ASSERT_LE(dialog.tileRows[r], 600);
            if (dialog.tileRows[r] < before[r]) {
                ++wraps;
                // It reappears as the top row.
                ASSERT_EQ(dialog.tileRows[r], *std::min_element(std::begin(dialog.tileRows), std::end(dialog.tileRows)));
            }
        }
        // Top to bottom the rows cover the screen but for seams: a row placed
        // against an unmoved neighbour lies one step further up.
        constexpr int32_t kMaxStep = 5, kSeams = 3;
        int32_t sorted[kCloudRows];
        std::copy(std::begin(dialog.tileRows), std::end(dialog.tileRows), sorted);
        std::sort(std::begin(sorted), std::end(sorted));
        ASSERT_LE(sorted[0], 0) << "frame " << frame;
        ASSERT_GE(sorted[3] + 256, 600 - kSeams * kMaxStep) << "frame " << frame;
        for (int r = 0; r + 1 < kCloudRows; ++r) {
            ASSERT_GE(sorted[r + 1] - sorted[r], 256) << "frame " << frame;
            ASSERT_LE(sorted[r + 1] - sorted[r], 256 + kMaxStep) << "frame " << frame;
        }
    }
    EXPECT_GT(wraps, 40);
}

class SaveAndQuitDialogPicture : public Canvas {};

TEST_F(SaveAndQuitDialogPicture, YesLitNoPlainUnderTheTitle) {
    SaveAndQuitDialog dialog;
    dialog.LoadArt(&graphics_);
    Mouse mouse;
    mouse.Poll();
    dialog.HitTestYes(kOnYes.x, kOnYes.y);
    dialog.HitTestNo(kOnYes.x, kOnYes.y);
    dialog.Scroll(40);
    Begin();
    dialog.Draw(art_.cloudsSheet);
    const Image shot = Shot();
    EXPECT_TRUE(MatchesReference(Crop(shot, 0, 100, 800, 340), "save_and_quit"));
    FreeDialogSheets(&dialog);
    EXPECT_EQ(dialog.backSheet, nullptr);
}

}  // namespace
}  // namespace frontend_test
