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
    DialogVisit visit;
    PressAt(visit, kAway, 1);
    ReleaseAt(visit, kAway, 1);
    PressAt(visit, kOnNo, 1);
    EXPECT_EQ(visit.answer, 0);
    ReleaseAt(visit, kOnNo, 1);
    EXPECT_EQ(visit.answer, SaveAndQuitDialog::kNo);
    visit.Frame(kAway);
    EXPECT_EQ(visit.dialog.noState, 0) << "the looks are free again";
}

TEST(SaveAndQuitDialog, CloudRowsWrapAboveTheOthersWithoutEnd) {
    SaveAndQuitDialog dialog;
    dialog.Scroll(0);
    dialog.Scroll(256);  // only the low byte counts
    EXPECT_TRUE(std::equal(std::begin(dialog.tileRows), std::end(dialog.tileRows), std::begin(kCloudRowStart)));
    dialog.Scroll(89);  // row 3 passes 600 and goes above row 0, which has moved
    EXPECT_EQ(dialog.tileRows[3], dialog.tileRows[0] - 256);

    // Top to bottom the rows keep covering the screen but for seams: a row
    // placed against a neighbour that has yet to move lies one step higher.
    constexpr int32_t kMaxStep = 5, kSeams = 3;
    for (int frame = 0; frame < 4000; ++frame) {
        dialog.Scroll(1 + frame % kMaxStep);
        int32_t rows[kCloudRows];
        std::copy(std::begin(dialog.tileRows), std::end(dialog.tileRows), rows);
        std::sort(std::begin(rows), std::end(rows));
        ASSERT_TRUE(rows[0] <= 0 && rows[3] <= 600 && rows[3] + 256 >= 600 - kSeams * kMaxStep) << frame;
        for (int r = 0; r + 1 < kCloudRows; ++r) {
            ASSERT_TRUE(rows[r + 1] - rows[r] >= 256 && rows[r + 1] - rows[r] <= 256 + kMaxStep) << frame;
        }
    }
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
