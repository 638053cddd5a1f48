#include <gtest/gtest.h>

#include <cstring>

#include "shell/file_picker.h"

TEST(FilePickerDigits, OneTwoOrThreeDigitsAtTheirPlaces) {
    int32_t x[3];
    uint8_t frame[3];
    ASSERT_EQ(FilePicker::PlaceLevelDigits(7, 20, x, frame), 1);
    EXPECT_EQ(x[0], 20 + 362);
    EXPECT_EQ(frame[0], 7);

    ASSERT_EQ(FilePicker::PlaceLevelDigits(42, 20, x, frame), 2);
    EXPECT_EQ(x[0], 20 + 379);
    EXPECT_EQ(frame[0], 2);
    EXPECT_EQ(x[1], 20 + 355);
    EXPECT_EQ(frame[1], 4);

    ASSERT_EQ(FilePicker::PlaceLevelDigits(100, 20, x, frame), 3);
    EXPECT_EQ(x[0], 20 + 398);
    EXPECT_EQ(x[1], 20 + 374);
    EXPECT_EQ(x[2], 20 + 350);
    EXPECT_EQ(frame[0], 0);
    EXPECT_EQ(frame[1], 0);  // the tens digit 0 is drawn
    EXPECT_EQ(frame[2], 1);
}

TEST(FilePickerNames, MeasureFindsTheEndMarkerAndCentresTheName) {
    FilePicker picker;
    const uint8_t abc[] = {2, 3, 4, 1};
    std::memcpy(picker.slotNames[0], abc, sizeof abc);
    for (int i = 0; i < FilePicker::kNameCells; ++i) picker.slotNames[2][i] = 5;
    picker.MeasureNames();
    EXPECT_EQ(picker.nameLength[0], 3);
    EXPECT_EQ(picker.nameLength[1], 0);  // all cells 0
    EXPECT_EQ(picker.nameLength[2], 20);
    EXPECT_EQ(FilePicker::NameCellX(20, 0, 3), 20 + 163);
    EXPECT_EQ(FilePicker::NameCellX(20, 1, 3), 20 + 185);
    EXPECT_EQ(FilePicker::NameCellX(20, 2, 3), 20 + 207);
}

TEST(FilePickerHover, BordersBelongToTheLowerSlotAndAPressHoldsItsFrame) {
    FilePicker picker;
    picker.HitTest(470, 268);
    EXPECT_EQ(picker.hoverId, 2);
    EXPECT_EQ(picker.slotFrames[0], 0);
    EXPECT_EQ(picker.slotFrames[1], 1);
    picker.ResetHover();
    picker.HitTest(470, 257);  // slot 1 ends at 258
    EXPECT_EQ(picker.hoverId, 1);
    EXPECT_EQ(picker.hoverIdCopy, 1);

    picker.slotFrames[0] = 2;
    picker.pressLock = 1;
    picker.ResetHover();
    picker.HitTest(710, 20);
    EXPECT_EQ(picker.hoverId, FilePicker::kBackId);
    EXPECT_EQ(picker.slotFrames[0], 2);
    EXPECT_EQ(picker.backButtonFrame, 0);
}
