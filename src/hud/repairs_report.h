#pragma once
#include <cstdint>

class ControlPanel;

// One line of text a panel window shows, with an optional amount beside it.
struct PanelTextLine {
    const char* text;
    int16_t x, y;
    uint32_t colour;
    const char* value;  // null when the line has no amount
    int16_t valueX;
};

inline constexpr int kMaxReportLines = 20;

struct RepairsReport {
    PanelTextLine lines[kMaxReportLines];
    int count = 0;
};

// The texts of the repairs report window for the panel's repair figures.
// Writes shipRepairCostText from shipRepairCost and, when the repair cost
// nothing thanks to repair benefits, clears shipRepairShort.
void BuildRepairsReport(ControlPanel& panel, RepairsReport& report);
