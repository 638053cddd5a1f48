#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "generator.h"
#include "image.h"
#include "standin_test_util.h"

using namespace standin;

namespace fs = std::filesystem;

namespace {

const char* kSmallManifest =
    "Art\\Menu\\Back1.bmp\t32\t32\t1\tnone\tpanel\tauto\t\tmenu\n"
    "Art//Menu//Numbers2.bmp\t32\t32\t10\tred\tdigits\tauto\t\tpicker\n"
    "Art\\Space\\256\\Dust1.PNG\t256\t256\t1\tblack\tdust\tauto\t\tdust\n"
    "Data\\STAMP.wav\t0\t0\t0\tnone\teffect\tauto\t\tsound\n"
    "Data\\Music.mid\t0\t0\t0\tnone\tmidi\tauto\t\tmusic\n"
    "Data\\Devivi.mp3\t0\t0\t0\tnone\tmp3\tauto\t\tstream\n";

Manifest Small() {
    Manifest m;
    std::string error;
    EXPECT_TRUE(ParseManifest(kSmallManifest, m, error)) << error;
    return m;
}

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StandinGenerator, WritesTheTreeAndLeavesOutTheMp3WithoutEncoder) {
    ScratchFolder dir(ScratchFolder::kStayOutside, "tools-tree");
    const GeneratorReport r = GenerateAssets(Small(), dir.Path().string(), {});
    EXPECT_TRUE(r.errors.empty());
    EXPECT_EQ(r.written, 5);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_TRUE(fs::is_directory(dir.Path() / "Saves"));
    EXPECT_TRUE(fs::exists(dir.Path() / "Art/Menu/Numbers2.bmp"));
    EXPECT_TRUE(fs::exists(dir.Path() / "Art/Space/256/Dust1.PNG"));
    EXPECT_TRUE(fs::exists(dir.Path() / "Data/Music.mid"));
    EXPECT_FALSE(fs::exists(dir.Path() / "Data/Devivi.mp3"));
    Image img;
    ASSERT_TRUE(ReadImage((dir.Path() / "Art/Menu/Numbers2.bmp").string(), img));
    EXPECT_EQ(img.Width(), 256);  // 8 digits a row, two rows
    EXPECT_EQ(img.Height(), 64);
}

// Same manifest, same bytes: the stand-ins do not change from run to run.
TEST(StandinGenerator, RunsAgainOverItsOwnFilesWithTheSameResult) {
    ScratchFolder dir(ScratchFolder::kStayOutside, "tools-again");
    ASSERT_TRUE(GenerateAssets(Small(), dir.Path().string(), {}).errors.empty());
    const std::string before = Slurp(dir.Path() / "Art/Menu/Numbers2.bmp");
    const GeneratorReport r = GenerateAssets(Small(), dir.Path().string(), {});
    EXPECT_EQ(r.written, 5);
    EXPECT_EQ(r.kept, 0);
    EXPECT_EQ(Slurp(dir.Path() / "Art/Menu/Numbers2.bmp"), before);
}

TEST(StandinGenerator, KeepsThePlayersOriginals) {
    ScratchFolder dir(ScratchFolder::kStayOutside, "tools-originals");
    ASSERT_TRUE(GenerateAssets(Small(), dir.Path().string(), {}).errors.empty());
    // The player copies an original over a stand-in, and one more in another case.
    std::ofstream(dir.Path() / "Data/STAMP.wav", std::ios::binary | std::ios::trunc) << "original sound, longer than ours?";
    fs::remove(dir.Path() / "Art/Menu/Back1.bmp");
    std::ofstream(dir.Path() / "Art/Menu/BACK1.BMP", std::ios::binary) << "original picture";
    const GeneratorReport r = GenerateAssets(Small(), dir.Path().string(), {});
    EXPECT_TRUE(r.errors.empty());
    EXPECT_EQ(r.kept, 2);
    EXPECT_EQ(r.written, 3);
    EXPECT_EQ(Slurp(dir.Path() / "Data/STAMP.wav"), "original sound, longer than ours?");
    EXPECT_FALSE(fs::exists(dir.Path() / "Art/Menu/Back1.bmp"));
}

TEST(StandinGenerator, ReportsStylesItCannotPaint) {
    ScratchFolder dir(ScratchFolder::kStayOutside, "tools-errors");
    Manifest m;
    std::string error;
    ASSERT_TRUE(ParseManifest("Art\\Menu\\Odd.bmp\t32\t32\t1\tblack\tmystery\tauto\t\tx\n", m, error));
    const GeneratorReport r = GenerateAssets(m, dir.Path().string(), {});
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_NE(r.errors[0].find("mystery"), std::string::npos);
    EXPECT_EQ(r.written, 0);
}

// Every file the manifest lists is in the game directory the build made.
TEST(StandinGenerator, BuildFilledTheGameDirectory) {
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (e.kind == AssetKind::Mp3) continue;  // depends on the encoder; see the sounds tests
        EXPECT_TRUE(fs::exists(GamePath(e.name))) << e.name;
    }
    EXPECT_TRUE(fs::is_directory(GameDir() / "Saves"));
}

}  // namespace

namespace {

TEST(StandinGenerator, UpToDateUntilAnInputChangesOrAFileGoesMissing) {
    ScratchFolder dir(ScratchFolder::kStayOutside, "tools-uptodate");
    const Manifest m = Small();
    const fs::path input = dir.Path() / "manifest.tsv";
    std::ofstream(input) << kSmallManifest;
    const std::vector<std::string> inputs = {input.string()};
    EXPECT_FALSE(AssetsUpToDate(m, dir.Path().string(), inputs, {}));  // never ran
    ASSERT_TRUE(GenerateAssets(m, dir.Path().string(), {}).errors.empty());
    EXPECT_TRUE(AssetsUpToDate(m, dir.Path().string(), inputs, {}));
    // An encoder appearing asks for the MP3 it could not make before.
    EXPECT_FALSE(AssetsUpToDate(m, dir.Path().string(), inputs, {input.string(), ""}));
    fs::last_write_time(input, fs::last_write_time(dir.Path() / kRecordName) + std::chrono::seconds(2));
    EXPECT_FALSE(AssetsUpToDate(m, dir.Path().string(), inputs, {}));
    ASSERT_TRUE(GenerateAssets(m, dir.Path().string(), {}).errors.empty());
    fs::last_write_time(input, fs::last_write_time(dir.Path() / kRecordName) - std::chrono::seconds(2));
    EXPECT_TRUE(AssetsUpToDate(m, dir.Path().string(), inputs, {}));
    fs::remove_all(dir.Path() / "Data");
    EXPECT_FALSE(AssetsUpToDate(m, dir.Path().string(), inputs, {}));
}

}  // namespace
