#include "hud/repairs_report.h"

#include "hud/control_panel.h"

namespace {

constexpr uint32_t kTitleColour = 0xFFFF0000;
constexpr uint32_t kBodyColour = 0xFFD2D2D2;
constexpr int16_t kTextX = 175;
constexpr int16_t kLineStep = 20;
constexpr int16_t kShipTitleY = 60;
constexpr int16_t kRobotTitleY = 210;
constexpr int16_t kBodyOffset = 25;   // first body line below its title
constexpr int16_t kSavedX = 405;      // "You saved:" beside the title
constexpr int16_t kSavedValueX = 490;
constexpr int16_t kCostValueX = 520;  // amounts after the long lines
constexpr int16_t kHadValueX = 255;   // amounts after "You had:"

class ReportWriter {
public:
    ReportWriter(RepairsReport& report, int16_t titleY) : report_(report), y_(titleY + kBodyOffset) {}

    void Line(const char* text, const char* value = nullptr, int16_t valueX = 0) {
        Add({text, kTextX, y_, kBodyColour, value, valueX});
        y_ = static_cast<int16_t>(y_ + kLineStep);
    }
    void Add(const PanelTextLine& line) {
        if (report_.count < kMaxReportLines) report_.lines[report_.count++] = line;
    }

private:
    RepairsReport& report_;
    int16_t y_;
};

void ShipPart(ControlPanel& p, RepairsReport& report) {
    ReportWriter w(report, kShipTitleY);
    w.Add({"Ship Repairs", kTextX, kShipTitleY, kTitleColour, nullptr, 0});
    const bool saved = p.shipRepairSaved > 0;
    // A repair that cost nothing thanks to benefits was never short.
    if (p.shipRepairCost == 0 && saved) p.shipRepairShort = 0;

    if (p.shipRepairCost == 0 && !saved) {
        w.Line("No repairs were needed.");
    } else if (p.shipRepairCost > 0 && !p.shipRepairShort) {
        w.Line("Your ship was fully repaired.");
        w.Line("The material cost to repair your ship was:", p.shipRepairCostText, kCostValueX);
    } else if (p.shipRepairShort) {
        w.Line("You did not have enough material to repair your ship");
        w.Line("but do to the kindness of your friends and family");
        w.Line("it was fully repaired");
        if (p.shipRepairCost > 0) w.Line("The material cost to repair your ship was:", p.shipRepairCostText, kCostValueX);
        w.Line("You had:", p.shipRepairHadText, kHadValueX);
    } else {
        w.Line("Your ship was fully repaired.");
        w.Line("Due to your repair benefits");
        w.Line("the cost to repair your ship was 0 !");
    }
    if (p.showShipSaved && saved) {
        w.Add({"You saved:", kSavedX, kShipTitleY, kTitleColour, p.shipRepairSavedText, kSavedValueX});
    }
}

void RobotPart(const ControlPanel& p, RepairsReport& report) {
    ReportWriter w(report, kRobotTitleY);
    w.Add({"Robot Repairs", kTextX, kRobotTitleY, kTitleColour, nullptr, 0});
    const bool saved = p.robotRepairSaved > 0;

    if (p.noRobotsDamaged) {
        w.Line("No robots were damaged.");
    } else if (p.robotRepairCost > 0 && !p.robotRepairShort) {
        w.Line("All robots were repaired.");
        w.Line("Total repair cost was:", p.robotRepairCostText, kCostValueX);
    } else if (p.robotRepairShort && p.robotRepairCost > 0) {
        w.Line("Total repair cost was:", p.robotRepairCostText, kCostValueX);
        if (p.robotRepairPartial) {
            w.Line("There was not enough material to finish repairs.");
            w.Line("You had:", p.robotRepairHadText, kHadValueX);
        } else {
            w.Line("You did not have enough material to repair any robots.");
        }
    } else if (p.robotRepairCost == 0 && saved) {
        w.Line("All robots were repaired.");
        w.Line("Due to your repair benefits");
        w.Line("the cost to repair your robots was 0 !");
    }
    if (p.robotRepairPartial && saved) {
        w.Add({"You saved:", kSavedX, kRobotTitleY, kTitleColour, p.robotRepairSavedText, kSavedValueX});
    }
}

}  // namespace

void BuildRepairsReport(ControlPanel& panel, RepairsReport& report) {
    report.count = 0;
    FormatNumber(panel.shipRepairCostText, panel.shipRepairCost);
    ShipPart(panel, report);
    RobotPart(panel, report);
}
