// Checks the pictures the build wrote into the game directory, decoded by
// the game's own image decoder.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "glyph_sheets.h"
#include "image.h"
#include "platform/image_codec.h"
#include "standin_test_util.h"

using namespace standin;

namespace {

constexpr Rgb kNose{250, 240, 120};

struct FrameRect {
    int x, y, w, h;
};

FrameRect FrameOf(const ManifestEntry& e, int frame) {
    const int perRow = e.FramesPerRow();
    return {(frame % perRow) * e.frameWidth, (frame / perRow) * e.frameHeight, e.frameWidth, e.frameHeight};
}

int CountNot(const standin::Image& img, const FrameRect& r, Rgb key) {
    int n = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) n += !(img.At(x, y) == key);
    return n;
}

// The frame's pixels as a byte string, to tell frames apart.
std::string FrameBytes(const standin::Image& img, const FrameRect& r) {
    std::string out;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            const Rgb p = img.At(x, y);
            for (uint8_t channel : {p.r, p.g, p.b}) out.push_back(static_cast<char>(channel));
        }
    return out;
}

bool NearButNot(Rgb p, Rgb key) {
    return !(p == key) && std::abs(p.r - key.r) < 8 && std::abs(p.g - key.g) < 8 && std::abs(p.b - key.b) < 8;
}

standin::Image Load(const ManifestEntry& e) {
    ::Image decoded;
    EXPECT_TRUE(LoadImageFile(GamePath(e.name).string(), decoded)) << e.name;
    standin::Image img(decoded.width, decoded.height);
    for (int y = 0; y < decoded.height; ++y)
        for (int x = 0; x < decoded.width; ++x) {
            const uint32_t p = decoded.At(x, y);
            img.Set(x, y, {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)});
        }
    return img;
}

// Styles that fill their frames edge to edge: nothing of them is keyed.
const std::set<std::string> kSolidStyles = {"swatch", "panel", "dots", "tile"};

TEST(StandinImages, EveryImageHasItsSizeAndKeysWhereTheyBelong) {
    int checked = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (!e.IsImage()) continue;
        SCOPED_TRACE(e.name);
        const standin::Image img = Load(e);
        ASSERT_EQ(img.Width(), e.width);
        ASSERT_EQ(img.Height(), e.height);
        if (e.HasBackgroundKey()) {
            const Rgb key = e.BackgroundKey();
            int keyed = 0;
            for (int y = 0; y < img.Height(); ++y)
                for (int x = 0; x < img.Width(); ++x) {
                    keyed += img.At(x, y) == key;
                    ASSERT_FALSE(NearButNot(img.At(x, y), key)) << "at " << x << "," << y;
                }
            const bool tiny = e.frameWidth < 8 || e.frameHeight < 8;  // too small for a shape: filled
            if (!kSolidStyles.count(e.style) && e.style != "wave" && !tiny) {
                EXPECT_GT(keyed, 0);
            }
            // Every frame the game draws shows something (the blank glyph aside).
            for (int f = IsGlyphStyle(e.style) ? 2 : 0; f < e.frames; ++f) {
                if (e.style == "glyph_caps" && (f == 51 || (f > 50 && f % 2 == 1))) continue;
                if (e.style == "glyph_name" && (f == 79 || (f > 28 && f < 78 && f != 44 && f != 45 && f % 2 == 1) ||
                                                (f > 79 && f % 2 == 1)))
                    continue;  // right halves of two-cell glyphs may be narrow
                EXPECT_GT(CountNot(img, FrameOf(e, f), key), 0) << "frame " << f;
            }
        } else {
            // Loaded unkeyed somewhere: no pixel may vanish under any of its keys.
            for (uint32_t flag : {KeyBlack, KeyRed, KeyGreen, KeyWhite}) {
                if (!(e.keys & flag)) continue;
                const FrameRect all{0, 0, img.Width(), img.Height()};
                EXPECT_EQ(CountNot(img, all, KeyColour(flag)), img.Width() * img.Height());
            }
        }
        ++checked;
    }
    EXPECT_GE(checked, 300);
}

// Sprites the game turns are drawn nose up, so heading 0 points up.
TEST(StandinImages, RotatedSpritesPointUpWithABrightNose) {
    int rotors = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (e.style != "rotor") continue;
        SCOPED_TRACE(e.name);
        const standin::Image img = Load(e);
        for (int f = 0; f < e.frames; ++f) {
            const FrameRect r = FrameOf(e, f);
            int top = 0, bottom = 0;
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x)
                    if (img.At(x, y) == kNose) (y < r.y + r.h / 3 ? top : bottom)++;
            EXPECT_GT(top, 0) << "frame " << f;
            EXPECT_EQ(bottom, 0) << "frame " << f;
        }
        ++rotors;
    }
    EXPECT_GE(rotors, 40);
}

// Mean colour difference between two columns (or rows) of one frame.
double ColumnDifference(const standin::Image& img, const FrameRect& r, int a, int b) {
    double sum = 0;
    for (int y = r.y; y < r.y + r.h; ++y) {
        const Rgb p = img.At(r.x + a, y), q = img.At(r.x + b, y);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / r.h;
}

double RowDifference(const standin::Image& img, const FrameRect& r, int a, int b) {
    double sum = 0;
    for (int x = r.x; x < r.x + r.w; ++x) {
        const Rgb p = img.At(x, r.y + a), q = img.At(x, r.y + b);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / r.w;
}

// Mean colour difference between column a of one frame and column b of another.
double SeamDifference(const standin::Image& img, const FrameRect& left, int a, const FrameRect& right, int b) {
    double sum = 0;
    for (int y = 0; y < left.h; ++y) {
        const Rgb p = img.At(left.x + a, left.y + y), q = img.At(right.x + b, right.y + y);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / left.h;
}

// Floors lay a tile's frames 0, 1, 2, 3 along a row and repeat them: each
// frame's last column meets the next frame's first (the last wraps to the
// first) as smoothly as neighbouring columns do, and each frame wraps
// top to bottom.
TEST(StandinImages, BackdropTilesJoinSeamlessly) {
    int tiles = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (e.style != "tile") continue;
        SCOPED_TRACE(e.name);
        const standin::Image img = Load(e);
        for (int f = 0; f < e.frames; ++f) {
            const FrameRect r = FrameOf(e, f);
            const FrameRect next = FrameOf(e, (f + 1) % e.frames);
            const double insideX = (ColumnDifference(img, r, 0, 1) + ColumnDifference(img, r, r.w - 2, r.w - 1)) / 2;
            const double insideY = (RowDifference(img, r, 0, 1) + RowDifference(img, r, r.h - 2, r.h - 1)) / 2;
            EXPECT_LE(SeamDifference(img, r, r.w - 1, next, 0), 2 * insideX + 6) << "frame " << f;
            EXPECT_LE(RowDifference(img, r, r.h - 1, 0), 2 * insideY + 6) << "frame " << f;
        }
        ++tiles;
    }
    EXPECT_GE(tiles, 10);
}

const ManifestEntry& Entry(const std::string& name) {
    const ManifestEntry* e = RepoManifest().Find(name);
    if (!e) ADD_FAILURE() << name << " not in the manifest";
    static const ManifestEntry empty;
    return e ? *e : empty;
}

// The name is drawn cell by cell: blank, letters, capitals over two cells.
TEST(StandinImages, NameGlyphSheetsHoldDistinctLettersInTheirCells) {
    const ManifestEntry& name = Entry("Art\\Name\\Name.PNG");
    const standin::Image img = Load(name);
    const Rgb black{};
    EXPECT_EQ(CountNot(img, FrameOf(name, 0), black), 0);  // the blank
    EXPECT_GT(CountNot(img, FrameOf(name, 1), black), 0);  // the cursor
    std::set<std::string> smalls;
    for (int cell = 2; cell <= 27; ++cell) smalls.insert(FrameBytes(img, FrameOf(name, cell)));
    EXPECT_EQ(smalls.size(), 26u);
    // A (28, 29): ink on both halves; I (44) and J (45) one cell each.
    EXPECT_GT(CountNot(img, FrameOf(name, 28), black), 0);
    EXPECT_GT(CountNot(img, FrameOf(name, 29), black), 0);
    EXPECT_GT(CountNot(img, FrameOf(name, 44), black), 0);
    EXPECT_GT(CountNot(img, FrameOf(name, 45), black), 0);
    EXPECT_GT(CountNot(img, FrameOf(name, 78), black), 0);  // full stop
    // The capitals sheet is indexed by cell - 28: the same glyph order.
    const ManifestEntry& caps = Entry("Art\\Name\\Letters2.PNG");
    const standin::Image capsImg = Load(caps);
    for (int frame : {0, 1, 16, 17, 48, 49, 50})
        EXPECT_GT(CountNot(capsImg, FrameOf(caps, frame), black), 0) << "frame " << frame;
    const ManifestEntry& small = Entry("Art\\Name\\Letters1.PNG");
    const standin::Image smallImg = Load(small);
    EXPECT_EQ(CountNot(smallImg, FrameOf(small, 0), black), 0);  // the space
    EXPECT_GT(CountNot(smallImg, FrameOf(small, 27), black), 0);  // z
}

TEST(StandinImages, DigitSheetsShowTenDifferentDigits) {
    int sheets = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (e.style != "digits") continue;
        SCOPED_TRACE(e.name);
        const standin::Image img = Load(e);
        std::set<std::string> digits;
        for (int f = 0; f < 10; ++f) digits.insert(FrameBytes(img, FrameOf(e, f)));
        EXPECT_EQ(digits.size(), 10u);
        ++sheets;
    }
    EXPECT_GE(sheets, 6);
}

TEST(StandinImages, GlyphCellTableMatchesTheNameLayout) {
    const std::vector<GlyphCell> cells = NameGlyphCells();
    std::set<int> used;
    for (const GlyphCell& g : cells)
        for (int i = 0; i < g.span; ++i) EXPECT_TRUE(used.insert(g.cell + i).second) << "cell " << g.cell + i;
    auto cellOf = [&](const std::string& text) {
        for (const GlyphCell& g : cells)
            if (g.text == text) return g.cell;
        return -1;
    };
    EXPECT_EQ(cellOf("a"), 2);
    EXPECT_EQ(cellOf("z"), 27);
    EXPECT_EQ(cellOf("A"), 28);
    EXPECT_EQ(cellOf("B"), 30);
    EXPECT_EQ(cellOf("I"), 44);
    EXPECT_EQ(cellOf("J"), 45);
    EXPECT_EQ(cellOf("K"), 46);
    EXPECT_EQ(cellOf("Z"), 76);
    EXPECT_EQ(cellOf("."), 78);
    EXPECT_EQ(*used.rbegin(), 99);
}

}  // namespace
