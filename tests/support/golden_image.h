#pragma once
#include <gtest/gtest.h>

#include <string>

#include "platform/image_codec.h"

// Where a picture's reference and the picture itself go.
struct GoldenFiles {
    std::string reference;  // $GAME_SOURCE_DIR/tests/<suite>/ref/<name>.png
    std::string actual;     // $GAME_TEST_OUT/<name>.png
};
GoldenFiles GoldenFilesFor(const std::string& suite, const std::string& name);

// Compares a picture with its reference. A pixel matches when each colour
// channel is within `tolerance` (alpha is not compared), and at most the
// share `maxMismatch` of the pixels may differ: exact by default, as the
// software renderer draws the same picture on every run. The picture always
// goes to files.actual for a look; with GAME_UPDATE_REFS=1 it becomes the
// reference instead.
::testing::AssertionResult MatchesGolden(const Image& actual, const GoldenFiles& files, int tolerance = 0,
                                         double maxMismatch = 0.0);
// The same with the files of tests/<suite>/ref/<name>.png.
::testing::AssertionResult MatchesGolden(const Image& actual, const std::string& suite, const std::string& name,
                                         int tolerance = 0, double maxMismatch = 0.0);
