#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Splits a DrawText string into the lines it shows: one line with
// DT_SINGLELINE (line breaks become spaces), else a line per '\n', and with
// DT_WORDBREAK lines broken between words to fit maxWidth pixels as measured.
// A word wider than maxWidth keeps a line of its own.
void LayoutTextLines(const char* text, uint32_t format, int maxWidth,
                     const std::function<int(const std::string&)>& measure, std::vector<std::string>& lines);

// Left edge of a block of blockWidth in [left, right) for the DT_ flags.
int AlignTextX(uint32_t format, int left, int right, int blockWidth);
// Top edge of a block of blockHeight in [top, bottom); vertical centring and
// bottom alignment apply to single-line text only, as the system's DrawText does.
int AlignTextY(uint32_t format, int top, int bottom, int blockHeight);
