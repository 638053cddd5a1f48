#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hud/control_panel.h"
#include "hud/repairs_report.h"

namespace {

std::vector<std::string> Texts(ControlPanel& panel) {
    RepairsReport report;
    BuildRepairsReport(panel, report);
    std::vector<std::string> texts;
    for (int i = 0; i < report.count; ++i) {
        std::string line = report.lines[i].text;
        if (report.lines[i].value) line += std::string(" = ") + report.lines[i].value;
        texts.push_back(line);
    }
    return texts;
}

TEST(RepairsReport, NothingToRepair) {
    ControlPanel panel;
    const auto texts = Texts(panel);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "Ship Repairs");
    EXPECT_EQ(texts[1], "No repairs were needed.");
    EXPECT_EQ(texts[2], "Robot Repairs");
    EXPECT_EQ(texts[3], "No robots were damaged.");
}

TEST(RepairsReport, PaidShipRepairShowsItsCostWrittenEachFrame) {
    ControlPanel panel;
    panel.shipRepairCost = 4294967295u;
    const auto texts = Texts(panel);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[1], "Your ship was fully repaired.");
    EXPECT_EQ(texts[2], "The material cost to repair your ship was: = 4294967295");
}

TEST(RepairsReport, ShortShipRepairAndSavings) {
    ControlPanel panel;
    panel.shipRepairCost = 50;
    panel.shipRepairShort = 1;
    std::snprintf(panel.shipRepairHadText, sizeof panel.shipRepairHadText, "%d", 20);
    panel.shipRepairSaved = 5;
    panel.showShipSaved = 1;
    std::snprintf(panel.shipRepairSavedText, sizeof panel.shipRepairSavedText, "%d", 5);
    const auto texts = Texts(panel);
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[1], "You did not have enough material to repair your ship");
    EXPECT_EQ(texts[2], "but do to the kindness of your friends and family");
    EXPECT_EQ(texts[3], "it was fully repaired");
    EXPECT_EQ(texts[4], "The material cost to repair your ship was: = 50");
    EXPECT_EQ(texts[5], "You had: = 20");
    EXPECT_EQ(texts[6], "You saved: = 5");
}

TEST(RepairsReport, FreeRepairThanksToBenefitsIsNeverShort) {
    ControlPanel panel;
    panel.shipRepairSaved = 30;
    panel.shipRepairShort = 1;
    const auto texts = Texts(panel);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(panel.shipRepairShort, 0);
    EXPECT_EQ(texts[1], "Your ship was fully repaired.");
    EXPECT_EQ(texts[2], "Due to your repair benefits");
    EXPECT_EQ(texts[3], "the cost to repair your ship was 0 !");
    EXPECT_EQ(texts[4], "Robot Repairs") << "no saving shown without showShipSaved";
}

TEST(RepairsReport, RobotRepairCases) {
    ControlPanel panel;
    panel.noRobotsDamaged = 0;
    panel.robotRepairCost = 90;
    std::snprintf(panel.robotRepairCostText, sizeof panel.robotRepairCostText, "%d", 90);
    auto texts = Texts(panel);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[3], "All robots were repaired.");
    EXPECT_EQ(texts[4], "Total repair cost was: = 90");

    panel.robotRepairShort = 1;
    panel.robotRepairPartial = 1;
    panel.robotRepairSaved = 4;
    std::snprintf(panel.robotRepairHadText, sizeof panel.robotRepairHadText, "%d", 60);
    std::snprintf(panel.robotRepairSavedText, sizeof panel.robotRepairSavedText, "%d", 4);
    texts = Texts(panel);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[3], "Total repair cost was: = 90");
    EXPECT_EQ(texts[4], "There was not enough material to finish repairs.");
    EXPECT_EQ(texts[5], "You had: = 60");
    EXPECT_EQ(texts[6], "You saved: = 4");

    panel.robotRepairPartial = 0;
    texts = Texts(panel);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[4], "You did not have enough material to repair any robots.");

    panel.robotRepairShort = 0;
    panel.robotRepairCost = 0;
    texts = Texts(panel);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[3], "All robots were repaired.");
    EXPECT_EQ(texts[5], "the cost to repair your robots was 0 !");
}

}  // namespace
