#include "glyph_sheets.h"

#include <algorithm>

namespace standin {

namespace {

constexpr int kFirstCapitalCell = 28;
constexpr int kFullStopCell = 78;
constexpr int kFirstPairCell = 80;
constexpr int kPairCount = 10;
constexpr Rgb kInk{238, 238, 230};

int CapitalCell(int letter) {
    constexpr int kI = 8, kJ = 9;
    if (letter < kI) return kFirstCapitalCell + 2 * letter;
    if (letter == kI) return kFirstCapitalCell + 16;
    if (letter == kJ) return kFirstCapitalCell + 17;
    return kFirstCapitalCell + 18 + 2 * (letter - 10);
}

// The range of cells a sheet holds and the cell drawn in its frame 0.
struct SheetRange {
    int firstCell;
    int lastCell;
};

SheetRange RangeOf(const std::string& style) {
    if (style == "glyph_small") return {0, kFirstCapitalCell - 1};
    if (style == "glyph_caps") return {kFirstCapitalCell, kFirstPairCell + 2 * kPairCount - 1};
    return {0, kFirstPairCell + 2 * kPairCount - 1};
}

}  // namespace

std::vector<GlyphCell> NameGlyphCells() {
    std::vector<GlyphCell> cells;
    cells.push_back({1, 1, "_"});
    for (int n = 0; n < 26; ++n) cells.push_back({2 + n, 1, std::string(1, static_cast<char>('a' + n))});
    for (int n = 0; n < 26; ++n) {
        const bool narrow = n == 8 || n == 9;
        cells.push_back({CapitalCell(n), narrow ? 1 : 2, std::string(1, static_cast<char>('A' + n))});
    }
    cells.push_back({kFullStopCell, 1, "."});
    for (int d = 0; d < kPairCount; ++d)
        cells.push_back({kFirstPairCell + 2 * d, 2, std::string(1, static_cast<char>('0' + d))});
    return cells;
}

bool IsGlyphStyle(const std::string& style) {
    return style == "glyph_small" || style == "glyph_caps" || style == "glyph_name";
}

void PaintGlyphSheet(const ManifestEntry& e, TextRenderer& text, Image& image) {
    const SheetRange range = RangeOf(e.style);
    const int perRow = e.FramesPerRow();
    std::vector<GlyphCell> cells;
    for (const GlyphCell& g : NameGlyphCells())
        if (g.cell >= range.firstCell && g.cell + g.span - 1 <= range.lastCell) cells.push_back(g);
    // One size for the small letters and one for capitals and pairs keeps
    // the baseline and weight even along a name.
    std::vector<std::string> small, oneCellCapitals, wide;
    for (const GlyphCell& g : cells) {
        if (g.span == 2) wide.push_back(g.text);
        else if (g.text == "I" || g.text == "J") oneCellCapitals.push_back(g.text);
        else small.push_back(g.text);
    }
    const int pad = std::max(1, e.frameWidth / 16);
    const int innerW = e.frameWidth - 2 * pad, innerH = e.frameHeight - 2 * pad;
    const int smallSize = text.FitSize(small, innerW, innerH);
    int capitalSize = text.FitSize(wide, 2 * e.frameWidth - 2 * pad, innerH);
    if (!oneCellCapitals.empty()) capitalSize = std::min(capitalSize, text.FitSize(oneCellCapitals, innerW, innerH));
    for (const GlyphCell& g : cells) {
        const int frame = g.cell - range.firstCell;
        if (frame >= e.frames || frame % perRow + g.span > perRow) continue;  // pairs never wrap a row
        const int x = (frame % perRow) * e.frameWidth, y = (frame / perRow) * e.frameHeight;
        if (g.text == "_") {
            image.Fill(x + pad, y + e.frameHeight * 3 / 4, e.frameWidth - 2 * pad, std::max(2, e.frameHeight / 10), kInk);
            continue;
        }
        const bool capital = g.span == 2 || g.text == "I" || g.text == "J";
        text.DrawAtSize(image, g.text, capital ? capitalSize : smallSize, x + pad, y + pad,
                        g.span * e.frameWidth - 2 * pad, e.frameHeight - 2 * pad, kInk, true);
    }
}

}  // namespace standin
