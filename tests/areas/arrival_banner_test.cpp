// The title each area shows on arrival, read back from the letter glyphs the
// real frame draws, in both regions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hud/control_panel.h"
#include "platform/shared_art.h"
#include "platform/sprite_draw.h"
#include "platform/sprite_sheet.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr int kCapitals = 29;
constexpr int kSmall = 30;
constexpr float kWordGap = 25.0f;  // letters of a word are closer than this

struct AreaTitle {
    int32_t area;
    const char* text;
};

// The frame of image `image` that a recorded draw took, or -1 for a draw of
// another picture.
int FrameOf(const SpriteSheet& sheet, int image, const SpriteCall& call) {
    const Texture& picture = sheet.images[image];
    if (!picture.texture || call.texture != picture.texture) return -1;
    const int x = call.sourceX - picture.originX;
    const int y = call.sourceY - picture.originY;
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return -1;
    return (y / sheet.frameHeight[image]) * sheet.framesPerRow[image] + x / sheet.frameWidth[image];
}

char CapitalOf(int frame) {
    if (frame < 16) return static_cast<char>('A' + frame / 2);
    if (frame == 16) return 'I';
    if (frame == 17) return 'J';
    return static_cast<char>('A' + (frame + 2) / 2);
}

// The letters drawn, a capital's two halves read as one, and a space where
// the gap between two glyphs is a word's.
std::string ReadGlyphs(const SpriteSheet& sheet, const std::vector<SpriteCall>& calls) {
    std::string text;
    bool started = false;
    float lastX = 0;
    bool rightHalfDue = false;
    for (const SpriteCall& call : calls) {
        const int capital = FrameOf(sheet, kCapitals, call);
        const int small = FrameOf(sheet, kSmall, call);
        if (capital < 0 && small < 0) continue;
        if (started && call.x - lastX > kWordGap) text += ' ';
        started = true;
        lastX = call.x;
        if (rightHalfDue) {
            EXPECT_GE(capital, 0) << "a capital's right half follows its left one in " << text;
            rightHalfDue = false;
            continue;
        }
        if (capital >= 0) {
            const char letter = CapitalOf(capital);
            text += letter;
            rightHalfDue = letter != 'I' && letter != 'J';
        } else {
            text += static_cast<char>('a' + small - 2);
        }
    }
    return text;
}

// The places of a title's glyphs: where each word begins, and every y.
struct TitlePlaces {
    std::vector<float> wordX;
    std::vector<float> y;
    float lastX = 0;
};

TitlePlaces ReadPlaces(const SpriteSheet& sheet, const std::vector<SpriteCall>& calls) {
    TitlePlaces places;
    for (const SpriteCall& call : calls) {
        if (FrameOf(sheet, kCapitals, call) < 0 && FrameOf(sheet, kSmall, call) < 0) continue;
        if (places.y.empty() || call.x - places.lastX > kWordGap) places.wordX.push_back(call.x);
        places.lastX = call.x;
        places.y.push_back(call.y);
    }
    return places;
}

class ArrivalBannerTest : public RegionTest {
protected:
    // Arrives in the area; the draws of the first frame that shows a title.
    std::vector<SpriteCall> CallsOnArrival(int32_t area) {
        EnterArea(area, 200, -600);
        const SpriteSheet& sheet = *App().sharedArt->menuSheet;
        std::vector<SpriteCall> calls;
        for (int frame = 0; frame < 10; ++frame) {
            calls.clear();
            RecordSpriteCalls(&calls);
            RunFrames(1);
            RecordSpriteCalls(nullptr);
            if (!ReadGlyphs(sheet, calls).empty()) return calls;
        }
        return {};
    }
    std::string TitleOnArrival(int32_t area) { return ReadGlyphs(*App().sharedArt->menuSheet, CallsOnArrival(area)); }
};

class SecondRegionBannerTest : public ArrivalBannerTest {
protected:
    void SetUp() override {
        regionScene_ = SceneId::Invasions;
        ArrivalBannerTest::SetUp();
        ASSERT_TRUE(driver_.SetField("questSet", "2"));
        record_exchange::SeedEngine(Engine(), State());
    }
};

TEST_F(ArrivalBannerTest, EveryAreaOfTheFirstRegionIsEnteredByItsName) {
    constexpr AreaTitle kTitles[] = {
        {2, "Entering Border Area"},
        {3, "Entering Green Path"},
        {4, "Entering Neutral Area"},
        {5, "Entering Green Domain"},
        {6, "Entering Moon Path I"},
        {7, "Entering Moon Path II"},
        {8, "Entering Moon Colony"},
        {9, "Entering Skeletons Path"},
        {10, "Entering Skeletons Prison"},
        {11, "Entering Convoy Area"},
        {12, "Entering Earth Area"},
        {13, "Entering Stolen Robot Trail"},
        {14, "Entering Robot Lair"},
        {15, "Entering Earth Path"},
        {16, "Entering Earth Space Station"},
        {17, "Entering Pirates Area"},
        {18, "Entering Pirates Outpost"},
        {19, "Entering Pirates Path I"},
        {20, "Entering Pirates Path II"},
        {21, "Entering Pirates Base"},
        {22, "Entering Mars Area"},
        {23, "Entering Mars Path II"},
        {24, "Entering Mars Space Colony"},
        {25, "Entering Medical Convoy"},
        {26, "Entering Zombie Space Monster Area"},
        {27, "Entering Shadow Ninja Clan Path"},
        {28, "Entering Shadow Ninja Clan Base"},
    };
    for (const AreaTitle& title : kTitles) EXPECT_EQ(TitleOnArrival(title.area), title.text) << "area " << title.area;
}

TEST_F(SecondRegionBannerTest, EveryAreaOfTheSecondRegionIsEnteredByItsName) {
    constexpr AreaTitle kTitles[] = {
        {2, "Trap"},
        {3, "Entering Far Colony Path I"},
        {4, "Entering Far Colony Path II"},
        {5, "Entering Far Colony"},
        {6, "Entering Meeting Area"},
        {7, "Entering Enemy Fleet"},
        {8, "Entering Supply Ships Area"},
        {9, "Entering Venus Area"},
        {10, "Entering Station Path I"},
        {11, "Entering Station Path II"},
        {12, "Entering Military Station"},
        {13, "Entering Warrior Clan"},
        {14, "Entering Mechanical Dragon Lair"},
        {15, "Entering Saturn Area"},
        {16, "Entering Dragons Outpost"},
        {17, "Entering Dragons Fleet"},
        {18, "Entering Dragons Base"},
        {19, "Entering Dunmark"},
        {20, "Entering Vexmoor"},
    };
    for (const AreaTitle& title : kTitles) EXPECT_EQ(TitleOnArrival(title.area), title.text) << "area " << title.area;
}
// "Entering" begins at x 180 and the name at its own place, mostly 360;
// every glyph sits on the line at y 190.
TEST_F(SecondRegionBannerTest, EachNameBeginsAtItsOwnPlaceOnTheTitlesLine) {
    struct NamePlace {
        int32_t area;
        float nameX;
    };
    constexpr NamePlace kPlaces[] = {
        {2, 360},  {3, 360},  {4, 360},  {5, 410},  {6, 360},  {7, 360},  {8, 350},  {9, 360},  {10, 360}, {11, 360},
        {12, 360}, {13, 360}, {14, 360}, {15, 360}, {16, 360}, {17, 360}, {18, 360}, {19, 360}, {20, 360},
    };
    for (const NamePlace& place : kPlaces) {
        SCOPED_TRACE(place.area);
        const TitlePlaces title = ReadPlaces(*App().sharedArt->menuSheet, CallsOnArrival(place.area));
        const size_t name = place.area == 2 ? 0 : 1;  // the Trap has no Entering
        ASSERT_GT(title.wordX.size(), name);
        if (name == 1) {
            EXPECT_EQ(title.wordX[0], 180.0f) << "Entering";
        }
        EXPECT_EQ(title.wordX[name], place.nameX);
        for (float y : title.y) EXPECT_EQ(y, 190.0f);
    }
}
}  // namespace
