// Every wave of areas 2-20 as the designers wrote it, checked by sweeping the
// view, the seconds or the convoy through the area.
#include <gtest/gtest.h>

#include "waves/wave_sweep.h"

namespace {

using sweep::ExpectWaves;
using sweep::Input;

TEST(EarthSystemAWaves, BorderAreaCycler0) {
    ExpectWaves(2, Input::kView, 0, "art 0, shields 1, armor 4, size 32, damage 2, type 0, volley 1, reward 7, sidestep 80%",
                {
                    // wave 0: -4200 < view y < -1200, cycler 0, 1 records
                    {-1201, "(500, -1700), keep-off (180, 150), FG 1"},
                    // wave 1: -3700 < view y < -1800, cycler 0, 1 records
                    {-1801, "(500, -2300), keep-off (180, 150), FG 1"},
                    // wave 2: view y < -3000, cycler 0, 1 records
                    {-3001, "(1200, -4000), immobile, art 3, shields 10, armor 35, size 64, FG 2, volley 5, reward 15"},
                });
}

TEST(EarthSystemAWaves, BorderAreaCycler1) {
    ExpectWaves(2, Input::kView, 1, "art 0, shields 1, armor 4, size 32, damage 2, type 0, volley 1, reward 7, sidestep 80%",
                {
                    // wave 0: -4200 < view y < -1200, cycler 1, 2 records
                    {-1201, "(500, -1700), keep-off (180, 150), FG 1; "
                            "(600, -1750), keep-off (260, 200), FG 2, sidestep 70%, reward 8"},
                    // wave 1: -3700 < view y < -1800, cycler 1, 2 records
                    {-1801, "(500, -2300), keep-off (180, 150), FG 1; "
                            "(600, -2250), keep-off (260, 200), FG 2, sidestep 70%, reward 8"},
                    // wave 2: view y < -3000, cycler 1, 2 records
                    {-3001, "(1200, -4000), immobile, art 3, shields 10, armor 35, size 64, FG 2, volley 5, reward 15; "
                            "(1000, -4000), keep-off (180, 150), FG 1"},
                });
}

TEST(EarthSystemAWaves, BorderAreaCycler2) {
    ExpectWaves(2, Input::kView, 2, "art 0, shields 1, armor 4, size 32, damage 2, type 0, volley 1, reward 7, sidestep 80%",
                {
                    // wave 0: -4200 < view y < -1200, cycler 2, 3 records
                    {-1201, "(500, -1700), keep-off (180, 150), FG 1; "
                            "(600, -1750), keep-off (260, 200), FG 2, sidestep 70%, reward 8; "
                            "(1450, -1600), keep-off (260, 200), FG 2, sidestep 70%"},
                    // wave 1: -3700 < view y < -1800, cycler 2, 3 records
                    {-1801, "(500, -2300), keep-off (180, 150), FG 1; "
                            "(600, -2250), keep-off (260, 200), FG 2, sidestep 70%, reward 8; "
                            "(1100, -2350), art 1, armor 25, keep-off (260, 200), FG 2, sidestep 70%, damage 3, volley 3, reward 10"},
                    // wave 2: view y < -3000, cycler 2, 3 records
                    {-3001, "(1200, -4000), immobile, art 3, shields 10, armor 35, size 64, FG 2, volley 5, reward 15; "
                            "2 × (1000+600k, -4000), keep-off (180, 150), FG 1"},
                });
}

TEST(EarthSystemAWaves, NeutralAreaCycler0) {
    ExpectWaves(4, Input::kSeconds, 0, "art 0, shields 1, armor 30, size 32, damage 3, type 0, volley 1, reward 7, sidestep 80%",
                {
                    // wave 0: First call, cycler 0, 4 records
                    {0, "(-50, -900), keep-off (180, 150), FG 1; "
                        "(700, -930), keep-off (180, 150), FG 1; "
                        "(2000, -930), keep-off (180, 150), FG 1, reward 10; "
                        "(2800, -930), keep-off (180, 150), FG 1"},
                });
}

TEST(EarthSystemAWaves, NeutralAreaCycler1) {
    ExpectWaves(4, Input::kSeconds, 1, "art 0, shields 1, armor 30, size 32, damage 3, type 0, volley 1, reward 7, sidestep 80%",
                {
                    // wave 0: First call, cycler 1, 4 records
                    {0, "(-50, -200), keep-off (180, 150), FG 1; "
                        "(600, -950), keep-off (180, 150), FG 1; "
                        "(2100, -950), keep-off (180, 150), FG 1, reward 10; "
                        "(2800, -200), keep-off (180, 150), FG 1"},
                });
}

TEST(EarthSystemAWaves, NeutralAreaCycler2) {
    ExpectWaves(4, Input::kSeconds, 2, "art 0, shields 1, armor 30, size 32, damage 3, type 0, volley 1, reward 7, sidestep 80%",
                {
                    // wave 0: First call, cycler 2, 5 records
                    {0, "(-50, -200), keep-off (180, 150), FG 1; "
                        "(600, -950), keep-off (180, 150), FG 1; "
                        "(2100, -950), keep-off (180, 150), FG 1, reward 10; "
                        "(2800, -200), keep-off (180, 150), FG 1, reward 9; "
                        "(1800, -200), art 1, armor 40, keep-off (180, 150), FG 1, damage 4, volley 3, reward 12"},
                });
}

TEST(EarthSystemAWaves, GreenPath) {
    ExpectWaves(3, Input::kView, 0, "art 2, shields 1, armor 13, size 32, damage 2, type 0, volley 1, reward 8, sidestep 80%",
                {
                    // wave 0: view y > -2000, 4 records
                    {-600, "3 × (350+50k, -700), keep-off (150+40k, 150), FG k+1; "
                           "(350, -950), art 1, keep-off (150, 500), FG 2, volley 3, reward 9"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400), keep-off (150+40k, 150), FG k+1; "
                            "5 × (450+20k, -2700), keep-off (250+20k, 150), FG 2, sidestep 70%; "
                            "(350, -2800), art 1, keep-off (150, 500), FG 2, sidestep 70%, volley 3, reward 9"},
                    // wave 2: -6000 < view y < -3000, 5 records
                    {-3001, "4 × (150+150k, -4100), keep-off (200+50k, 150), FG k+1, sidestep 70%; "
                            "(350, -4500), art 1, keep-off (150, 500), FG 2, volley 3, reward 9"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100), keep-off (150+35k, 150), FG k+1, sidestep 70%; "
                            "(350, -6500), art 1, armor 33, keep-off (150, 500), FG 2, sidestep 70%, damage 3, volley 3, reward 9; "
                            "(350, -5800), art 0, keep-off (150, 500), FG 2"},
                    // wave 4: -9000 < view y < -6000, 8 records
                    {-6001, "7 × (50+130k, -7100), art 0, keep-off (160+40k, 150), FG k+1; "
                            "(350, -7500), art 1, armor 33, keep-off (150, 500), FG 2, volley 3, reward 9"},
                    // wave 5: view y < -8000, 3 records
                    {-8001, "2 × (300+400k, -9400), immobile, art 3, armor 53, size 64, keep-off (170+30k, 150), FG k+1, volley 5, reward 19; "
                            "(650, -8500), art 1, keep-off (120, 500), FG 2, volley 3, reward 9"},
                });
}

TEST(EarthSystemAWaves, GreenDomain) {
    ExpectWaves(5, Input::kView, 0, "art 5, shields 5, armor 13, size 32, damage 2, type 0, volley 3, reward 10, sidestep 80%",
                {
                    // wave 0: view y > -3000, 6 records
                    {-600, "3 × (500+100k, -1200), keep-off (180+50k, 150), FG 1; "
                           "3 × (570+90k, -1700), keep-off (250+50k, 150), FG 1"},
                    // wave 1: view y < -2000, 17 records
                    {-2001, "7 × (400+50k, -2500), keep-off (180+40k, 150), FG 1; "
                            "4 × (620+60k, -3000), keep-off (140+20k, 150), FG 1; "
                            "(1300, -4200), art 4, shields 10, armor 333, size 64, keep-off (250, 150), FG 1, no sidestep, damage 3, volley 5, reward 100, drop kind 1, quest drop 1; "
                            "(940, -4300), armor 20, keep-off (240, 150), FG 1; "
                            "4 × (1060+120k, -4300), armor 20, keep-off (260+20k, 150), FG 1"},
                });
}

TEST(EarthSystemAWaves, MoonPathOne) {
    ExpectWaves(6, Input::kView, 0, "art 6, shields 1, armor 33, size 32, damage 3, type 0, volley 1, reward 13, sidestep 80%",
                {
                    // wave 0: view y > -2000, 6 records
                    {-600, "5 × (300+70k, -700), keep-off (180+50k, 150), FG k+1, damage 4; "
                           "(350, -950), art 7, keep-off (150, 500), FG 2, damage 4, volley 3, reward 15"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400), keep-off (150+40k, 150-50k), FG k+1, damage 4; "
                            "5 × (450+20k, -2550+30k), keep-off (250+20k, 500+70k), FG 2, sidestep 70%; "
                            "(350, -2800), art 7, keep-off (150, 500), FG 2, sidestep 70%, damage 4, volley 3, reward 15"},
                    // wave 2: -6000 < view y < -3000, 5 records
                    {-3001, "4 × (150+150k, -4100-100k), keep-off (200+50k, 150+60k), FG k+1, sidestep 70%; "
                            "(350, -4500), art 7, keep-off (150, 500), FG 2, damage 4, volley 3, reward 15"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100-170k), keep-off (150+35k, 150+40k), FG k+1, sidestep 70%; "
                            "(350, -6500), art 7, keep-off (150, 500), FG 2, sidestep 70%, damage 4, volley 3, reward 15; "
                            "(350, -5800), keep-off (150, 500), FG 2"},
                    // wave 4: -9000 < view y < -6000, 8 records
                    {-6001, "7 × (50+130k, -7100-100k), keep-off (160+40k, 150), FG k+1; "
                            "(350, -7500), art 7, armor 53, keep-off (150, 500), FG 2, damage 4, volley 3, reward 15"},
                    // wave 5: view y < -8000, 3 records
                    {-8001, "2 × (300+400k, -9400), immobile, art 3, armor 100, size 64, keep-off (170+30k, 150), FG k+1, damage 4, volley 5, reward 25; "
                            "(450, -8500), art 7, keep-off (120, 500), FG 2, damage 4, volley 3, reward 15"},
                });
}

TEST(EarthSystemAWaves, MoonPathTwo) {
    ExpectWaves(7, Input::kView, 0, "art 8, shields 1, armor 43, size 32, damage 3, type 0, volley 3, reward 16, sidestep 80%",
                {
                    // wave 0: view y > -2000, 9 records
                    {-600, "8 × (200+80k, -700+60k), armor 33, keep-off (180+40k, 150+40k), FG k+1; "
                           "(350, -950), art 7, keep-off (150, 500), FG 2, damage 4"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400), keep-off (150+40k, 150), FG k+1, volley 1; "
                            "5 × (350+120k, -2700+10k), keep-off (250+20k, 150), FG 2, sidestep 70%, volley 1; "
                            "(350, -2800), art 7, armor 53, keep-off (150, 500), FG 2, sidestep 70%, damage 4, reward 17"},
                    // wave 2: -6000 < view y < -3000, 5 records
                    {-3001, "4 × (150+150k, -4100-30k), keep-off (200+50k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -4500), art 7, armor 53, keep-off (150, 500), FG 2, damage 4, reward 17"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100+40k), keep-off (150+35k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -6500), art 7, armor 53, keep-off (150, 500), FG 2, sidestep 70%, damage 4, reward 17; "
                            "(350, -5800), keep-off (150, 500), FG 2"},
                    // wave 4: -9000 < view y < -6000, 7 records
                    {-6001, "7 × (50+130k, -7100+40k), keep-off (160+40k, 150), FG k+1"},
                    // wave 5: view y < -8000, 5 records
                    {-8001, "2 × (300+400k, -9400), immobile, art 3, armor 200, size 64, keep-off (170+30k, 150), FG k+1, damage 5, volley 5, reward 30; "
                            "3 × (350+100k, -9500+40k), keep-off (150, 500), FG 2, damage 4"},
                });
}

TEST(EarthSystemAWaves, MoonColony) {
    ExpectWaves(8, Input::kSeconds, 0, "art 8, shields 1, armor 43, size 32, damage 3, type 0, volley 3, reward 16, sidestep 80%",
                {
                    // wave 0: seconds > 3, 15 records
                    {4, "10 × (550+130k, -2200), keep-off (120+40k, 150), FG k+1; "
                        "3 × (-50, -1400+130k), keep-off (120, 110+30k), FG 11+k; "
                        "(2450, -1530), keep-off (120, 80), FG 14; "
                        "(2450, -1400), keep-off (120, 110), FG 15"},
                    // wave 1: seconds > 13, 3 records
                    {14, "(550, -2300), art 7, armor 53, keep-off (120, 150), FG 1, reward 17; "
                         "(-50, -1400), art 7, armor 53, keep-off (120, 110), FG 2, reward 17; "
                         "(2450, -1400), art 7, armor 53, keep-off (120, 110), FG 3, reward 17"},
                    // wave 2: seconds > 21, 8 records
                    {22, "8 × (550+130k, -2200), keep-off (120+40k, 150), FG k+1"},
                    // wave 3: seconds > 37, 1 records
                    {38, "(1300, -2400), art 4, shields 10, armor 400, size 64, keep-off (250, 150), FG 1, no sidestep, damage 4, volley 5, reward 100, drop kind 1"},
                });
}

TEST(EarthSystemAWaves, Skeletons) {
    ExpectWaves(9, Input::kView, 0, "art 9, shields 1, armor 53, size 32, damage 4, type 0, volley 3, reward 15, sidestep 80%",
                {
                    // wave 0: view y > -2000, 6 records
                    {-600, "5 × (300+100k, -700), keep-off (180+40k, 150), FG k+1; "
                           "(350, -950), art 10, armor 83, keep-off (150, 500), FG 2, reward 17"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400+40k), keep-off (150+100k, 150), FG k+1; "
                            "5 × (350+120k, -2600), keep-off (250+20k, 150), FG 2, sidestep 70%; "
                            "(350, -2800), art 10, armor 83, keep-off (150, 500), FG 2, sidestep 70%, reward 17"},
                    // wave 2: -6000 < view y < -3000, 5 records
                    {-3001, "4 × (150+150k, -4100+70k), keep-off (200+50k, 150), FG k+1, sidestep 70%; "
                            "(350, -4500), art 10, armor 83, keep-off (150, 500), FG 2, reward 17"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100+120k), keep-off (150+35k, 150), FG k+1, sidestep 70%; "
                            "(550, -6200), art 10, armor 83, keep-off (150, 500), FG 2, sidestep 70%, reward 17; "
                            "(350, -5800), art 10, armor 83, keep-off (150, 500), FG 2, reward 17"},
                    // wave 4: -9000 < view y < -6000, 8 records
                    {-6001, "7 × (50+130k, -7000-40k), keep-off (160+40k, 150), FG k+1; "
                            "(350, -7500), art 10, armor 83, keep-off (150, 500), FG 2, reward 17"},
                    // wave 5: view y < -8000, 3 records
                    {-8001, "2 × (300+400k, -9400), immobile, art 11, armor 200, size 64, keep-off (170+30k, 150), FG k+1, volley 5, reward 30; "
                            "(420, -9200), art 10, armor 83, keep-off (120, 500), FG 2, reward 17"},
                });
}

TEST(EarthSystemAWaves, ConvoyArea) {
    ExpectWaves(11, Input::kConvoy, 0, "art 12, shields 1, armor 60, size 32, damage 4, type 1, volley 3, reward 18, sidestep 80%",
                {
                    // wave 0: view y > -2000, 5 records
                    {0, "4 × (50+20k, -1200+60k), keep-off (180+20k, -700+40k), FG k+1; "
                        "(350, -1350), armor 80, keep-off (260, -540), FG 5, alt frames"},
                    // wave 1: convoy y < -500, 8 records
                    {-501, "4 × (730+40k, -2400+33k), keep-off (150+40k, 150), FG k+1; "
                           "4 × (100+50k, -2700+50k), keep-off (150+20k, 150), FG 2, sidestep 70%, reward 17"},
                    // wave 2: convoy y < -1500, 8 records
                    {-1501, "4 × (650+50k, -3400-35k), keep-off (150+40k, 150), FG k+1; "
                            "4 × (150+60k, -3700+50k), keep-off (150+20k, 150), FG 2, sidestep 70%, reward 17"},
                    // wave 3: convoy y < -3000, 4 records
                    {-3001, "4 × (350+50k, -4000-15k), keep-off (150+40k, 150), FG k+1"},
                    // wave 4: convoy y < -4000, 8 records
                    {-4001, "4 × (650+50k, -5400-35k), keep-off (150+40k, 150), FG k+1; "
                            "4 × (150+60k, -5700+50k), keep-off (230+20k, 150), FG 2, sidestep 70%, reward 17"},
                    // wave 5: convoy y < -5000, 11 records
                    {-5001, "5 × (650+50k, -6400-35k), keep-off (150+40k, 150), FG k+1; "
                            "5 × (150+60k, -6700+50k), keep-off (250+20k, 150), FG 2, sidestep 70%, reward 17; "
                            "(370, -6700), armor 80, keep-off (180, -700), FG 1, alt frames"},
                    // wave 6: convoy y < -7000, 15 records
                    {-7001, "5 × (650+50k, -7500-35k), keep-off (150+40k, 150), FG k+1; "
                            "5 × (150+60k, -7700+50k), keep-off (250+20k, 150), FG 2, sidestep 70%, reward 17; "
                            "5 × (350+40k, -7700-100k), keep-off (350+20k, 150), FG 2, sidestep 70%, reward 17"},
                    // wave 7: convoy y < -8000, 6 records
                    {-8001, "5 × (250+50k, -8300-75k), keep-off (150+40k, 150), FG k+1; "
                            "(350, -8200), armor 80, keep-off (180, -700), FG 1, alt frames"},
                });
}

TEST(EarthSystemAWaves, EarthAreaCycler0) {
    ExpectWaves(12, Input::kSeconds, 0, "art 13, shields 1, armor 90, size 32, damage 5, type 0, volley 3, reward 18, sidestep 80%",
                {
                    // wave 0: First call, cycler 0, 4 records
                    {0, "(-50, -700), keep-off (180, 150), FG 1; "
                        "(900, -630), keep-off (180, 150), FG 1; "
                        "(2500, -960), keep-off (180, 150), FG 1; "
                        "(2800, -930), keep-off (180, 150), FG 1"},
                });
}

TEST(EarthSystemAWaves, EarthAreaCycler1) {
    ExpectWaves(12, Input::kSeconds, 1, "art 13, shields 1, armor 90, size 32, damage 5, type 0, volley 3, reward 18, sidestep 80%",
                {
                    // wave 0: First call, cycler 1, 4 records
                    {0, "(-50, -200), keep-off (180, 150), FG 1; "
                        "2 × (600+1500k, -950), keep-off (180, 150), FG 1; "
                        "(2800, -200), keep-off (180, 150), FG 1"},
                });
}

TEST(EarthSystemAWaves, EarthAreaCycler2) {
    ExpectWaves(12, Input::kSeconds, 2, "art 13, shields 1, armor 90, size 32, damage 5, type 0, volley 3, reward 18, sidestep 80%",
                {
                    // wave 0: First call, cycler 2, 5 records
                    {0, "(-50, -200), keep-off (180, 150), FG 1; "
                        "2 × (600+1500k, -950), keep-off (180, 150), FG 1; "
                        "(2800, -200), keep-off (180, 150), FG 1; "
                        "(1800, -200), armor 100, keep-off (180, 150), FG 1, type 3, reward 19, alt frames"},
                });
}

TEST(EarthSystemAWaves, StolenRobotTrail) {
    ExpectWaves(13, Input::kView, 0, "art 13, shields 1, armor 90, size 32, damage 5, type 0, volley 1, reward 8, sidestep 80%",
                {
                    // wave 0: view y > -2000, 4 records
                    {-600, "3 × (350+50k, -700), keep-off (150+40k, 150), FG k+1; "
                           "(350, -950), armor 100, keep-off (150, 500), FG 2, type 3, volley 3, reward 18, alt frames"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400), keep-off (150+40k, 150), FG k+1; "
                            "5 × (450+20k, -2700), keep-off (250+20k, 150), FG 2, sidestep 70%; "
                            "(350, -2800), armor 100, keep-off (150, 500), FG 2, sidestep 70%, type 3, volley 3, reward 18, alt frames"},
                    // wave 2: -6000 < view y < -3000, 5 records
                    {-3001, "4 × (150+150k, -4100), keep-off (200+50k, 150), FG k+1, sidestep 70%; "
                            "(350, -4500), armor 100, keep-off (150, 500), FG 2, type 3, volley 3, reward 18, alt frames"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100), keep-off (150+35k, 150), FG k+1, sidestep 70%, volley 3; "
                            "(350, -6500), armor 100, keep-off (150, 500), FG 2, sidestep 70%, type 3, volley 3, reward 18, alt frames; "
                            "(350, -5800), armor 100, keep-off (150, 500), FG 2, type 3, volley 3, alt frames"},
                    // wave 4: -9000 < view y < -6000, 8 records
                    {-6001, "7 × (50+130k, -7100), keep-off (160+40k, 150), FG k+1; "
                            "(350, -7500), armor 100, keep-off (150, 500), FG 2, type 3, volley 3, reward 18, alt frames"},
                    // wave 5: view y < -8000, 3 records
                    {-8001, "2 × (300+400k, -9400), immobile, art 3, armor 150, size 64, keep-off (170+30k, 150), FG k+1, type 3, volley 5, reward 19; "
                            "(650, -8500), armor 100, keep-off (120, 500), FG 2, type 3, volley 3, reward 18"},
                });
}

TEST(EarthSystemAWaves, RobotLair) {
    ExpectWaves(14, Input::kView, 0, "art 13, shields 5, armor 90, size 32, damage 5, type 0, volley 3, reward 18, sidestep 80%",
                {
                    // wave 0: view y > -3000, 6 records
                    {-600, "3 × (500+100k, -1200+34k), keep-off (180+50k, 150), FG 1; "
                           "3 × (300, -1700), keep-off (250+50k, 150), FG 1"},
                    // wave 1: view y < -2000, 17 records
                    {-2001, "7 × (400+50k, -2500+100k), keep-off (180+40k, 150), FG 1; "
                            "4 × (620+60k, -3000), keep-off (140+20k, 150), FG 1; "
                            "(1300, -4200), art 4, shields 10, armor 450, size 64, keep-off (250, 150), FG 1, no sidestep, damage 7, type 3, volley 5, reward 100, drop kind 1, quest drop 5, alt frames; "
                            "(1300, -4000), armor 100, keep-off (240, 150), FG 1, type 3, alt frames; "
                            "4 × (1450+150k, -4000), armor 100, keep-off (260+20k, 150), FG 1, type 3, alt frames"},
                });
}

TEST(EarthSystemAWaves, EarthPath) {
    ExpectWaves(15, Input::kView, 0, "art 12, shields 1, armor 101, size 32, damage 6, type 1, volley 1, reward 18, sidestep 80%",
                {
                    // wave 0: view y > -2000, 4 records
                    {-600, "3 × (350+50k, -700), keep-off (150+40k, 150), FG k+1; "
                           "(350, -950), armor 111, keep-off (150, 500), FG 2, volley 3, alt frames"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400), keep-off (150+40k, 150), FG k+1; "
                            "5 × (450+20k, -2700), keep-off (250+20k, 150), FG 2, sidestep 70%; "
                            "(350, -2800), armor 111, keep-off (150, 500), FG 2, sidestep 70%, volley 3, alt frames"},
                    // wave 2: -6000 < view y < -3000, 5 records
                    {-3001, "4 × (150+150k, -4100), keep-off (200+50k, 150), FG k+1, sidestep 70%; "
                            "(350, -4500), armor 111, keep-off (150, 500), FG 2, volley 3, alt frames"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100), keep-off (150+35k, 150), FG k+1, sidestep 70%, volley 3; "
                            "(350, -6500), armor 111, keep-off (150, 500), FG 2, sidestep 70%, volley 3, alt frames; "
                            "(350, -5800), armor 111, keep-off (150, 500), FG 2, volley 3, alt frames"},
                    // wave 4: -9000 < view y < -6000, 8 records
                    {-6001, "7 × (50+130k, -7100), keep-off (160+40k, 150), FG k+1; "
                            "(350, -7500), armor 111, keep-off (150, 500), FG 2, volley 3, alt frames"},
                    // wave 5: view y < -8000, 3 records
                    {-8001, "2 × (300+400k, -9400), immobile, art 3, armor 150, size 64, keep-off (170+30k, 150), FG k+1, type 2, volley 5, reward 22; "
                            "(650, -8500), armor 111, keep-off (120, 500), FG 2, volley 3"},
                });
}

TEST(EarthSystemAWaves, EarthSpaceStation) {
    ExpectWaves(16, Input::kSeconds, 0, "art 12, shields 1, armor 101, size 32, damage 6, type 1, volley 3, reward 18, sidestep 80%",
                {
                    // wave 0: seconds > 3, 18 records
                    {4, "10 × (550+130k, -2200), keep-off (120+40k, 150), FG k+1; "
                        "4 × (-50, -1400+130k), keep-off (120, 110+30k), FG 11+k; "
                        "4 × (2450, -1400+130k), keep-off (120, 110+30k), FG 15+k"},
                    // wave 1: seconds > 13, 3 records
                    {14, "(550, -2300), armor 111, keep-off (120, 150), FG 1, alt frames; "
                         "(-50, -1400), armor 111, keep-off (120, 110), FG 2, alt frames; "
                         "(2450, -1400), armor 111, keep-off (120, 110), FG 3, alt frames"},
                    // wave 2: seconds > 21, 18 records
                    {22, "10 × (550+130k, -2200), keep-off (120+40k, 150), FG k+1; "
                         "4 × (-50, -1400+130k), keep-off (120, 110+30k), FG 11+k; "
                         "4 × (2450, -1400+130k), keep-off (120, 110+30k), FG 15+k"},
                    // wave 3: seconds > 37, 4 records
                    {38, "3 × (950+210k, -2100), armor 111, keep-off (120+40k, 150), FG k+1, alt frames; "
                         "(1300, -2400), art 14, shields 10, armor 700, size 64, keep-off (250, 150), FG 1, no sidestep, damage 7, volley 5, reward 100, drop kind 1"},
                });
}

TEST(EarthSystemAWaves, PiratesOutpost) {
    ExpectWaves(18, Input::kSeconds, 0, "art 12, shields 1, armor A, size 32, damage D, type 1, volley 3, reward R, sidestep 80%",
                {
                    // wave 0: First call, 6 records
                    {0, "3 × (800+400k, -1100), immobile, art 11, armor 400, size 64, keep-off (170+30k, 150), FG k+1, volley 5, reward 30, frame 1; "
                        "3 × (800+400k, -1500), immobile, art 11, armor 400, size 64, keep-off (170, 150), FG 4+k, volley 5, reward 30, frame 1"},
                    // wave 1: seconds > 4, 9 records
                    {5, "3 × (950+210k, -1800), keep-off (120+40k, 150), FG k+1; "
                        "3 × (350, -1600+100k), keep-off (240+40k, 150), FG 4+k; "
                        "3 × (1900, -1600+100k), keep-off (360+40k, 150), FG 7+k"},
                    // wave 2: seconds > 10, 12 records
                    {11, "4 × (950+210k, -1800), keep-off (120+40k, 150), FG k+1; "
                         "4 × (350, -1600+100k), keep-off (120+40k, 150), FG 5+k; "
                         "4 × (1900, -1600+100k), keep-off (120+40k, 150), FG 9+k"},
                    // wave 3: seconds > 20, 12 records
                    {21, "4 × (950+210k, -1800), keep-off (120+40k, 150), FG k+1; "
                         "4 × (350, -1600+100k), keep-off (120+40k, 150), FG 5+k; "
                         "4 × (1900, -1600+100k), keep-off (120+40k, 150), FG 9+k"},
                }, {7, 111, 19, 0});
}

TEST(EarthSystemAWaves, PiratesPathOne) {
    ExpectWaves(19, Input::kView, 0, "art G, shields 1, armor A, size 32, damage D, type 1, volley 3, reward R, sidestep 80%",
                {
                    // wave 0: view y > -2000, 9 records
                    {-600, "8 × (200+80k, -700+60k), keep-off (180+40k, 150+40k), FG k+1; "
                           "(350, -950), armor A+10, keep-off (150, 500), FG 2, alt frames"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400), keep-off (150+40k, 150), FG k+1, volley 1; "
                            "5 × (350+120k, -2700+10k), keep-off (250+20k, 150), FG 2, sidestep 70%, volley 1; "
                            "(350, -2800), armor A+10, keep-off (150, 500), FG 2, sidestep 70%, alt frames"},
                    // wave 2: -6000 < view y < -3000, 10 records
                    {-3001, "9 × (150+60k, -4100-30k), keep-off (200+50k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -4500), armor A+10, keep-off (150, 500), FG 2, alt frames"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100+40k), keep-off (150+35k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -6500), armor A+10, keep-off (150, 500), FG 2, sidestep 70%, reward R+1, alt frames; "
                            "(350, -5800), armor A+10, keep-off (150, 500), FG 2, reward R+1, alt frames"},
                    // wave 4: -9000 < view y < -6000, 7 records
                    {-6001, "7 × (50+130k, -7100+60k), keep-off (160+40k, 150), FG k+1"},
                    // wave 5: view y < -8000, 10 records
                    {-8001, "2 × (300+400k, -9400), immobile, art 11, armor A+100, size 64, keep-off (170+30k, 150), FG k+1, volley 5, reward R+10, frame 1; "
                            "8 × (100+70k, -9500+60k), keep-off (150, 500), FG 2"},
                }, {8, 121, 20, 12});
}

TEST(EarthSystemAWaves, PiratesPathTwo) {
    ExpectWaves(20, Input::kView, 0, "art G, shields 1, armor A, size 32, damage D, type 1, volley 3, reward R, sidestep 80%",
                {
                    // wave 0: view y > -2000, 9 records
                    {-600, "8 × (200+80k, -700-70k), keep-off (180+40k, 150+40k), FG k+1; "
                           "(350, -950), armor A+10, keep-off (150, 500), FG 2, alt frames"},
                    // wave 1: -4000 < view y < -1000, 11 records
                    {-1001, "5 × (350+50k, -2400), keep-off (150-20k, 150), FG k+1, volley 1; "
                            "5 × (350+120k, -2700+10k), keep-off (250+20k, 150), FG 2, sidestep 70%, volley 1; "
                            "(350, -2800), armor A+10, keep-off (150, 500), FG 2, sidestep 70%, alt frames"},
                    // wave 2: -6000 < view y < -3000, 10 records
                    {-3001, "9 × (150+60k, -4100+60k), keep-off (200+50k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -4500), armor A+10, keep-off (150, 500), FG 2, alt frames"},
                    // wave 3: -8000 < view y < -5000, 8 records
                    {-5001, "6 × (50+120k, -6100-70k), keep-off (150+35k, 150), FG k+1, sidestep 70%, volley 1; "
                            "(350, -6500), armor A+10, keep-off (150, 500), FG 2, sidestep 70%, reward R+1, alt frames; "
                            "(350, -5800), armor A+10, keep-off (150, 500), FG 2, reward R+1, alt frames"},
                    // wave 4: -9000 < view y < -6000, 11 records
                    {-6001, "11 × (50+40k, -7100+60k), keep-off (160+40k, 150), FG k+1"},
                    // wave 5: view y < -8000, 10 records
                    {-8001, "2 × (300+400k, -9400), immobile, art 11, armor A+100, size 64, keep-off (170+30k, 150), FG k+1, volley 5, reward R+10, frame 1; "
                            "8 × (100+70k, -9500+60k), keep-off (150, 500), FG 2"},
                }, {8, 131, 21, 12});
}

// The prison's emplacements stand in four rows of two.
TEST(EarthSystemAWaves, SkeletonsPrison) {
    constexpr const char* kCell = "immobile, art 11, shields 1, armor 200, size 64, keep-off (170+30k, 150), "
                                  "damage 5, volley 5, reward 30";
    const std::string cells = std::string("2 × (800+400k, -1600), ") + kCell + ", FG 8+k; " +
                              "2 × (800+400k, -2000), " + kCell + ", FG 10+k; " +
                              "2 × (800+400k, -2400), " + kCell + ", FG 12+k; " +
                              "2 × (800+400k, -2800), " + kCell + ", FG 14+k";
    const std::string first = "7 × (800+70k, -2100), keep-off (180+40k, 150), FG 1; " + cells;
    ExpectWaves(10, Input::kSeconds, 0,
                "art 9, shields 5, armor 53, size 32, damage 4, type 0, volley 3, reward 15, sidestep 80%",
                {
                    // wave 0: first call, 15 records
                    {0, first},
                    // wave 1: seconds > 1, 7 records
                    {2, "7 × (800+100k, -4500), keep-off (180+40k, 150), FG 1"},
                });
}

}  // namespace
