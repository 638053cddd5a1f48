// Every example script in tests/harness/ runs here as game-driver runs it.
// Each script says in its own header how many frames it runs and where it
// ends, as lines of the dump:
//   # frames: 600
//   # expect: scene = HomeBase
//   # expect: playerName = 28 29 4 6 1 0*16
// A long script that a test of its own already plays and checks says so
//   # checked-by: InvasionsScript.TheVictoryExample...
// and is not played a second time here.
// The run's screenshots go to GAME_TEST_OUT/scripts/<script name>/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "harness/game_driver.h"
#include "shell/scene_id.h"

namespace fs = std::filesystem;

namespace {

struct ScriptHeader {
    uint32_t frames = 0;
    std::string checkedBy;  // the test that plays it instead, if any
    std::vector<std::string> expected;  // whole lines of the dump
};

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value ? value : fallback;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// Beside this file when the tests are listed (no environment then).
fs::path ScriptDir() {
    const char* source = std::getenv("GAME_SOURCE_DIR");
    if (source) return fs::path(source) / "tests" / "harness";
    return fs::path(__FILE__).parent_path().parent_path() / "harness";
}

std::vector<fs::path> ExampleScripts() {
    std::vector<fs::path> scripts;
    const fs::path dir = ScriptDir();
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(dir, ignored)) {
        if (entry.path().extension() == ".txt") scripts.push_back(entry.path());
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

ScriptHeader ReadHeader(const std::string& text) {
    static const std::string kFrames = "# frames:", kExpect = "# expect:", kCheckedBy = "# checked-by:";
    ScriptHeader header;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(kFrames, 0) == 0) {
            header.frames = static_cast<uint32_t>(std::strtoul(line.c_str() + kFrames.size(), nullptr, 10));
        } else if (line.rfind(kCheckedBy, 0) == 0) {
            const size_t start = line.find_first_not_of(' ', kCheckedBy.size());
            if (start != std::string::npos) header.checkedBy = line.substr(start);
        } else if (line.rfind(kExpect, 0) == 0) {
            const size_t start = line.find_first_not_of(' ', kExpect.size());
            if (start != std::string::npos) header.expected.push_back(line.substr(start));
        }
    }
    return header;
}

// The dump line of the field an expected line names, or "(no such field)".
std::string FieldLine(const std::string& dump, const std::string& expected) {
    const std::string name = expected.substr(0, expected.find(" = ") + 3);
    std::istringstream in(dump);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(name, 0) == 0) return line;
    }
    return "(no such field)";
}

// The script as game-driver runs it, from `outDir` so that its screenshots
// land there; the dump as game-driver writes it.
std::string RunScript(const std::string& text, uint32_t frames, const fs::path& outDir) {
    std::vector<DriverAction> actions;
    std::string error;
    EXPECT_TRUE(ParseDriverScript(text, actions, error)) << error;
    const fs::path previous = fs::current_path();
    fs::create_directories(outDir);
    fs::current_path(outDir);
    std::string dump;
    {
        GameDriver driver;
        driver.AddActions(actions);
        if (driver.Start()) {
            driver.RunFrames(frames);
            dump = "frame = " + std::to_string(driver.FrameNumber()) + "\nscene = " +
                   scenes::Name(driver.App().sceneFrame) + "\n" + driver.DumpState();
        }
    }
    fs::current_path(previous);
    return dump;
}

// True when a TEST, TEST_F or TEST_P of that suite and name is among the
// sources of tests/: a script handed to a test that is gone is played nowhere.
bool SomeTestIsNamed(const std::string& suiteDotName) {
    const size_t dot = suiteDotName.find('.');
    if (dot == std::string::npos) return false;
    const std::regex declaration("\\bTEST(_F|_P)?\\(\\s*" + suiteDotName.substr(0, dot) + "\\s*,\\s*" +
                                 suiteDotName.substr(dot + 1) + "\\s*\\)");
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(ScriptDir().parent_path(), ignored)) {
        if (entry.path().extension() == ".cpp" && std::regex_search(ReadText(entry.path()), declaration)) return true;
    }
    return false;
}

}  // namespace

class DriverScript : public ::testing::TestWithParam<fs::path> {};

TEST(DriverScripts, TheFolderHoldsTheExamples) {
    // The new game, the tour, the ending and four more were there first.
    EXPECT_GE(ExampleScripts().size(), 7u) << "no scripts in " << ScriptDir();
}

TEST_P(DriverScript, EndsWhereItsHeaderSaysWithTheRecordItNames) {
    const fs::path& script = GetParam();
    const std::string text = ReadText(script);
    const ScriptHeader header = ReadHeader(text);
    ASSERT_GT(header.frames, 0u) << "the header names no '# frames:'";
    ASSERT_TRUE(std::any_of(header.expected.begin(), header.expected.end(),
                            [](const std::string& line) { return line.rfind("scene = ", 0) == 0; }))
        << "the header names no '# expect: scene = ...'";
    ASSERT_GE(header.expected.size(), 2u) << "the header names nothing of the record";
    if (!header.checkedBy.empty()) {
        ASSERT_TRUE(SomeTestIsNamed(header.checkedBy)) << "no test " << header.checkedBy << " plays it";
        GTEST_SKIP() << "played by " << header.checkedBy;
    }

    const fs::path out = fs::path(EnvOr("GAME_TEST_OUT", fs::temp_directory_path().string())) / "scripts";
    const std::string dump = RunScript(text, header.frames, out / script.stem());
    ASSERT_FALSE(dump.empty()) << "the game did not start";
    for (const std::string& expected : header.expected) EXPECT_EQ(FieldLine(dump, expected), expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, DriverScript, ::testing::ValuesIn(ExampleScripts()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                             std::string name = info.param.stem().string();
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });
