// Every wave of areas 21-28 as the designers wrote it, checked by sweeping
// the view, the seconds or the convoy through the area.
#include <gtest/gtest.h>

#include <string>

#include "waves/wave_sweep.h"

namespace {

using sweep::ExpectWaves;
using sweep::Input;


TEST(EarthSystemBWaves, MarsPath) {
    ExpectWaves(23, Input::kView, 0, "art G, shields 1, armor A, size 32, damage D, type 2, volley 3, reward R, sidestep 80%",
                {
                    // wave 0: view y > -2000, 10 records
                    {-600, "8 × (200+80k, -1200-20k), keep-off (180+40k, 150+40k), FG k+1; "
                           "2 × (350+160k, -950), armor A+10, keep-off (150, 500), FG 2, type 1, alt frames"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400+50k), keep-off (150-20k, 150), FG k+1, volley 1; "
                            "5 × (350+90k, -2700-30k), keep-off (250+20k, 150), FG 2, sidestep 70%, volley 1; "
                            "(350, -2800), armor A+10, keep-off (150, 500), FG 2, sidestep 70%, type 1, alt frames"},
                    // wave 2: -6000 < view y < -3000, 10 records
                    {-3001, "9 × (150+60k, -4100+30k), keep-off (200+50k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -4500), armor A+10, keep-off (150, 500), FG 2, type 1, alt frames"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100-70k), keep-off (150+35k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -6500), armor A+10, keep-off (150, 500), FG 2, sidestep 70%, type 1, reward R+1, alt frames; "
                            "(350, -5800), armor A+10, keep-off (150, 500), FG 2, type 1, reward R+1, alt frames"},
                    // wave 4: -9000 < view y < -6000, 11 records
                    {-6001, "11 × (50+40k, -7100+60k), keep-off (160+40k, 150), FG k+1"},
                    // wave 5: view y < -8000, 10 records
                    {-8001, "10 × (-40+70k, -9620+60k), keep-off (150, 500), FG 2"},
                }, {9, 151, 23, 15});
}

TEST(EarthSystemBWaves, MedicalConvoy) {
    ExpectWaves(25, Input::kConvoy, 0, "art G, shields 1, armor A, size 32, damage D, type 2, volley 3, reward R, sidestep 80%",
                {
                    // wave 0: view y > -2000, 5 records
                    {0, "4 × (50+20k, -1200+60k), keep-off (180+20k, -700+40k), FG k+1; "
                        "(350, -1350), keep-off (260, -540), FG 5, type 1, alt frames"},
                    // wave 1: convoy y < -500, 9 records
                    {-501, "4 × (730+40k, -2400+33k), keep-off (150+40k, 150), FG k+1; "
                           "4 × (100+50k, -2700+50k), keep-off (230+20k, 150), FG 2, sidestep 70%; "
                           "(120, -2750), armor A+40, keep-off (150, 150), FG 2, sidestep 70%, damage D+1, type 1, reward R+5, alt frames"},
                    // wave 2: convoy y < -1500, 8 records
                    {-1501, "4 × (650+50k, -3400-35k), keep-off (150+40k, 150), FG k+1; "
                            "4 × (150+60k, -3700+50k), keep-off (230+20k, 150), FG 2, sidestep 70%"},
                    // wave 3: convoy y < -3000, 4 records
                    {-3001, "4 × (350+50k, -4000-15k), keep-off (150+40k, 150), FG k+1"},
                    // wave 4: convoy y < -4000, 9 records
                    {-4001, "4 × (650+50k, -5400-35k), keep-off (150+40k, 150), FG k+1; "
                            "4 × (150+60k, -5700+50k), keep-off (150+20k, 150), FG 2, sidestep 70%; "
                            "(200, -6000), art 16, shields 10, armor 700, size 64, keep-off (200, 150), FG 1, no sidestep, damage D+2, type 3, volley 5, reward 100, drop kind 1"},
                    // wave 5: convoy y < -5000, 11 records
                    {-5001, "5 × (650+50k, -6400-35k), keep-off (150+40k, 150), FG k+1; "
                            "5 × (150+60k, -6700+50k), keep-off (250+20k, 150), FG 2, sidestep 70%; "
                            "(370, -6700), armor A+40, keep-off (180, 150), FG 1, damage D+1, type 1, alt frames"},
                    // wave 6: convoy y < -7000, 15 records
                    {-7001, "5 × (650+50k, -7500-35k), keep-off (150+40k, 150), FG k+1; "
                            "5 × (150+60k, -7700+50k), keep-off (250+20k, 150), FG 2, sidestep 70%; "
                            "5 × (350+40k, -7700-100k), keep-off (350+20k, 150), FG 2, sidestep 70%"},
                    // wave 7: convoy y < -8000, 6 records
                    {-8001, "5 × (250+50k, -8300-75k), keep-off (150+40k, 150), FG k+1; "
                            "(350, -8200), armor A+50, keep-off (180, 150), FG 1, damage D+1, type 1, alt frames"},
                }, {9, 171, 25, 15});
}

TEST(EarthSystemBWaves, NinjaShadowClanPath) {
    ExpectWaves(27, Input::kView, 0, "art G, shields 1, armor A, size 32, damage D, type 2, volley 3, reward R, sidestep 80%",
                {
                    // wave 0: view y > -2000, 10 records
                    {-600, "8 × (200+80k, -1200-20k), keep-off (180+40k, 150+40k), FG k+1; "
                           "2 × (350+160k, -950), armor A+10, keep-off (150, 500), FG 2, type 1, alt frames"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400+50k), keep-off (150-20k, 150), FG k+1, volley 1; "
                            "5 × (350+90k, -2700-30k), keep-off (250+20k, 150), FG 2, sidestep 70%, volley 1; "
                            "(350, -2800), armor A+10, keep-off (150, 500), FG 2, sidestep 70%, type 1, alt frames"},
                    // wave 2: -6000 < view y < -3000, 10 records
                    {-3001, "9 × (150+60k, -4100+30k), keep-off (200+50k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -4500), armor A+10, keep-off (150, 500), FG 2, type 1, alt frames"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100-70k), keep-off (150+35k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -6500), armor A+10, keep-off (150, 500), FG 2, sidestep 70%, type 1, reward R+1, alt frames; "
                            "(350, -5800), armor A+10, keep-off (150, 500), FG 2, type 1, reward R+1, alt frames"},
                    // wave 4: -9000 < view y < -6000, 11 records
                    {-6001, "11 × (50+40k, -7100+60k), keep-off (160+40k, 150), FG k+1"},
                    // wave 5: view y < -8000, 10 records
                    {-8001, "10 × (-40+70k, -9620+60k), keep-off (150, 500), FG 2"},
                }, {10, 250, 25, 15});
}


// Six rows of three emplacements; the first row's keep-off widens, the fire
// groups cycle by row.
std::string FortressRows(const std::string& post, int firstRowRecords) {
    const int rowY[6] = {-1900, -2300, -2700, -3100, -3500, -3900};
    std::string rows;
    if (firstRowRecords == 3) rows += "3 × (800+400k, -1900), " + post + ", keep-off (170+30k, 150), FG 1; ";
    if (firstRowRecords == 2) rows += "2 × (1200+400k, -1900), " + post + ", keep-off (200+30k, 150), FG 1; ";
    for (int r = 1; r < 6; ++r) {
        rows += "3 × (800+400k, " + std::to_string(rowY[r]) + "), " + post + ", keep-off (170, 150), FG " +
                std::to_string(1 + r % 3) + (r < 5 ? "; " : "");
    }
    return rows;
}

TEST(EarthSystemBWaves, PiratesBase) {
    const std::string first =
        FortressRows("immobile, art 11, armor 420, size 64, volley 5, reward 30, frame 1", 3) +
        "; (950, -1100), art 14, armor A+200, size 64, keep-off (120, 150), FG 19, no sidestep (chance 80), "
        "damage D+1, volley 5, reward R+20";
    ExpectWaves(21, Input::kSeconds, 0,
                "art 12, shields 1, armor A, size 32, damage D, type 1, volley 3, reward R, sidestep 80%",
                {
                    // wave 0: first call, 19 records
                    {0, first},

                    // wave 1: seconds > 6, 9 records
                    {7, "3 × (950+210k, -2000), keep-off (120+40k, 150), FG 1; "
                         "3 × (350, -2500+100k), keep-off (240+40k, 150), FG 2; "
                         "3 × (1900, -2500+100k), keep-off (360+40k, 150), FG 3"},
                    // wave 2: seconds > 12, 12 records
                    {13, "4 × (950+210k, -1800), keep-off (120+40k, 150), FG k+1; "
                          "4 × (350, -2600+100k), keep-off (120+40k, 150), FG 5+k; "
                          "4 × (1900, -2600+100k), keep-off (120+40k, 150), FG 9+k"},
                    // wave 3: seconds > 20, 12 records
                    {21, "4 × (950+210k, -1800), keep-off (120+40k, 150), FG k+1; "
                          "4 × (350, -2600+100k), keep-off (120+40k, 150), FG 5+k; "
                          "4 × (1900, -2600+100k), keep-off (120+40k, 150), FG 9+k"},
                    // wave 4: seconds > 26, 2 records
                    {27, "2 × (950, -1800-2000k), art 14, armor A+200, size 64, keep-off (120, 150), FG 1, no sidestep (chance 80), damage D+1, volley 5, reward R+20"},
                },
                {8, 111, 19, 0});
}

TEST(EarthSystemBWaves, MarsSpaceColony) {
    constexpr const char* kBoss = "art 16, shields 10, armor 800, size 64, keep-off (250, 150), FG 1, no sidestep, "
                                  "damage D+1, type 3, volley 5, reward 100, drop kind 1";
    const std::string threeBosses = std::string("3 × (950+210k, -2100), keep-off (120+40k, 150), FG k+1; ") +
                                    "(1300, -2400), " + kBoss + "; (300, -2400), " + kBoss + "; (2300, -2400), " +
                                    kBoss;
    ExpectWaves(24, Input::kSeconds, 0,
                "art G, shields 1, armor A, size 32, damage D, type 2, volley 3, reward R, sidestep 80%",
                {

                    // wave 0: seconds > 3, 19 records
                    {4, "10 × (550+130k, -2200), keep-off (120+40k, 150), FG k+1; "
                         "4 × (-50, -1400+130k), keep-off (120, 110+30k), FG 11+k; "
                         "4 × (2450, -1400+130k), keep-off (120, 110+30k), FG 15+k; "
                         "(1300, -2400), art 16, shields 10, armor 800, size 64, keep-off (250, 150), FG 1, no sidestep, damage D+1, type 3, volley 5, reward 100, drop kind 1"},
                    // wave 1: seconds > 13, 4 records
                    {14, "(550, -2300), keep-off (120, 150), FG 1, type 1, alt frames; "
                          "(-50, -1400), keep-off (120, 110), FG 2, type 1, alt frames; "
                          "(2450, -1400), keep-off (120, 110), FG 3, type 1, alt frames; "
                          "(1300, -2400), art 16, shields 10, armor 800, size 64, keep-off (250, 150), FG 1, no sidestep, damage D+1, type 3, volley 5, reward 100, drop kind 1"},
                    // wave 2: seconds > 21, 18 records
                    {22, "10 × (550+130k, -2200), keep-off (120+40k, 150), FG k+1; "
                          "4 × (-50, -1400+130k), keep-off (120, 110+30k), FG 11+k; "
                          "4 × (2450, -1400+130k), keep-off (120, 110+30k), FG 15+k"},
                    // wave 3: seconds > 30, 4 records
                    {31, "3 × (950+210k, -2100), keep-off (120+40k, 150), FG k+1; "
                          "(1300, -2400), art 16, shields 10, armor 800, size 64, keep-off (250, 150), FG 1, no sidestep, damage D+1, type 3, volley 5, reward 100, drop kind 1"},
                    // wave 4: seconds > 37, 6 records
                    {38, threeBosses},
                },
                {9, 161, 24, 15});
}

// The monster spawns alone; its escort one call later.
TEST(EarthSystemBWaves, ZombieSpaceMonster) {
    ExpectWaves(26, Input::kSeconds, 0,
                "art G, shields 1, armor A, size 32, damage D, type 3, volley 3, reward R, sidestep 80%",
                {

                    // wave 0: First call, 1 records
                    {0, "(700, -2500), art 17, shields 100, armor 14333, size 64, keep-off (250, 150), FG 1, no sidestep, damage 50, type 0, volley 5, reward 1000, drop kind 1"},
                    // wave 1: the first call after wave 0 fired (its flag set), 18 records
                    {1, "10 × (500+130k, -1200+50k), keep-off (120+40k, 150), FG k+1; "
                         "4 × (300+50k, -1600), keep-off (120, 110+30k), FG 11+k; "
                         "4 × (450+40k, -1700+30k), keep-off (120, 110+30k), FG 15+k"},
                },
                {9, 300, 25, 18});
}

// The commander is written over the first emplacement's record.
TEST(EarthSystemBWaves, ShadowNinjaClanBase) {
    const std::string first =
        "(950, -1100), art 16, armor A+200, size 64, keep-off (120, 150), FG 1, no sidestep (chance 80), "
        "damage D+1, type 3, volley 5, reward R+20; " +
        FortressRows("immobile, art 19, armor 700, size 64, type 1, volley 5, reward 30", 2);
    ExpectWaves(28, Input::kSeconds, 0,
                "art G, shields 1, armor A, size 32, damage D, type 2, volley 3, reward R, sidestep 80%",
                {
                    // waves 0 and 7: first call, 18 records
                    {0, first},

                    // wave 1: seconds > 6, 9 records
                    {7, "3 × (950+210k, -2000), keep-off (120+40k, 150), FG 1; "
                         "3 × (350, -2500+100k), keep-off (240+40k, 150), FG 2; "
                         "3 × (1900, -2500+100k), keep-off (360+40k, 150), FG 3"},
                    // wave 2: seconds > 12, 12 records
                    {13, "4 × (950+210k, -1800), keep-off (120+40k, 150), FG k+1; "
                          "4 × (350, -2600+100k), keep-off (120+40k, 150), FG 5+k; "
                          "4 × (1900, -2600+100k), keep-off (120+40k, 150), FG 9+k"},
                    // wave 3: seconds > 20, 12 records
                    {21, "4 × (950+210k, -1800), keep-off (120+40k, 150), FG k+1; "
                          "4 × (350, -2600+100k), keep-off (120+40k, 150), FG 5+k; "
                          "4 × (1900, -2500+500k), armor A+100, keep-off (120+40k, 150), FG 9+k, alt frames"},
                    // wave 4: seconds > 26, 2 records
                    {27, "2 × (950, -1800-2000k), art 16, armor A+400, size 64, keep-off (120, 150), FG 1, no sidestep (chance 80), damage D+1, type 3, volley 5, reward R+20"},
                    // wave 5: seconds > 29, 4 records
                    {30, "4 × (150+300k, -1800), art 16, armor A+500, size 64, keep-off (120+40k, 150+40k), FG 2, no sidestep (chance 80), damage D+1, type 3, volley 5, reward R+20"},
                },
                {10, 270, 25, 15});
}

}  // namespace
