#pragma once
#include <string>
#include <vector>

#include "image.h"
#include "manifest.h"
#include "text_renderer.h"

namespace standin {

// The letter sheets the name is drawn from. Cells of the name sheet:
// 0 blank, 1 the cursor, 2-27 a-z, 28-77 A-Z in two cells each except the
// one-cell I (44) and J (45), 78 the full stop, 80-99 five further pairs.
// The capitals sheet holds the same from cell 28 on (its frame = cell - 28);
// the small-letter sheet holds cells 0-27.
struct GlyphCell {
    int cell;        // first cell
    int span;        // 1 or 2 cells
    std::string text;
};

std::vector<GlyphCell> NameGlyphCells();
bool IsGlyphStyle(const std::string& style);
void PaintGlyphSheet(const ManifestEntry& entry, TextRenderer& text, Image& image);

}  // namespace standin
