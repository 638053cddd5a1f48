#include <gtest/gtest.h>

#include <set>

#include "manifest.h"
#include "manifest_check.h"
#include "standin_test_util.h"

using namespace standin;

namespace {

Manifest Parse(const std::string& text) {
    Manifest m;
    std::string error;
    EXPECT_TRUE(ParseManifest(text, m, error)) << error;
    return m;
}

std::string ParseError(const std::string& text) {
    Manifest m;
    std::string error;
    EXPECT_FALSE(ParseManifest(text, m, error));
    return error;
}

TEST(StandinManifest, ImageSizesHoldTheFramesInPowersOfTwo) {
    const Manifest m = Parse(
        "# comment\n"
        "Art\\Name\\Letters1.PNG\t32\t64\t28\tblack\tglyph_small\tauto\t\tsheet\n"
        "Art\\Name\\Name.PNG\t16\t32\t100\tblack\tglyph_name\tauto\t\tsheet\n"
        "Art//Menu//PickFile.bmp\t512\t32\t1\tblack\tword\tauto\tPick a file\tpicker\n"
        "Art\\Space\\16\\Rocks1.bmp\t8\t16\t16\tblack\tsprite\tauto\t\tclouds\n"
        "Art\\Menu\\Buttons2.bmp\t64\t32\t3\tnone+red\tbutton\t256x64\tA|B\tmenu\n"
        "Data\\STAMP.wav\t0\t0\t0\tnone\teffect\tauto\t\tsound\n");
    ASSERT_EQ(m.entries.size(), 6u);
    const auto size = [&](int i) { return std::make_pair(m.entries[i].width, m.entries[i].height); };
    EXPECT_EQ(size(0), std::make_pair(256, 256));  // 8 a row, 4 rows
    EXPECT_EQ(m.entries[0].FramesPerRow(), 8);
    EXPECT_EQ(size(1), std::make_pair(256, 256));  // 16 a row, 7 rows of 32 -> 256
    EXPECT_EQ(m.entries[1].FrameCapacity(), 128);
    EXPECT_EQ(size(2), std::make_pair(512, 32));
    EXPECT_EQ(size(3), std::make_pair(128, 16));
    EXPECT_EQ(size(4), std::make_pair(256, 64));
    EXPECT_EQ(m.entries[4].keys, static_cast<uint32_t>(KeyNone | KeyRed));
    EXPECT_FALSE(m.entries[4].HasBackgroundKey());
    EXPECT_EQ(m.entries[4].Label(1), "B");
    EXPECT_EQ(m.entries[4].Label(2), "2");
    EXPECT_EQ(m.entries[2].Label(0), "Pick a file");
    EXPECT_EQ(m.entries[3].Label(5), "5");
    ManifestEntry lone = m.entries[3];
    lone.frames = 1;
    EXPECT_EQ(lone.Label(0), "Rock");  // a lone frame is named after its file
    EXPECT_EQ(m.entries[5].kind, AssetKind::Wav);
    EXPECT_FALSE(m.entries[5].IsImage());
}

TEST(StandinManifest, RejectsLinesTheGeneratorCouldNotHonour) {
    EXPECT_NE(ParseError("Art\\a.bmp\t32\t32\t1\tblack\tsprite\n").find("9 tab-separated"), std::string::npos);
    EXPECT_NE(ParseError("Art\\a.bmp\t32\t32\t1\tblack\tsprite\t48x32\t\tx\n").find("power of two"), std::string::npos);
    EXPECT_NE(ParseError("Art\\a.bmp\t32\t32\t9\tblack\tsprite\t64x64\t\tx\n").find("do not fit"), std::string::npos);
    EXPECT_NE(ParseError("Art\\a.bmp\t32\t32\t1\tblue\tsprite\tauto\t\tx\n").find("colour keys"), std::string::npos);
    EXPECT_NE(ParseError("Art\\a.gif\t32\t32\t1\tblack\tsprite\tauto\t\tx\n").find("file type"), std::string::npos);
    EXPECT_NE(ParseError("Art\\a.bmp\t0\t32\t1\tblack\tsprite\tauto\t\tx\n").find("frame size"), std::string::npos);
    EXPECT_NE(ParseError("Art\\a.bmp\t-4\t32\t1\tblack\tsprite\tauto\t\tx\n").find("bad frame"), std::string::npos);
    const std::string twice = ParseError(
        "Art\\Menu\\A.bmp\t32\t32\t1\tblack\tsprite\tauto\t\tx\n"
        "Art//menu//a.BMP\t32\t32\t1\tblack\tsprite\tauto\t\tx\n");
    EXPECT_NE(twice.find("line 2"), std::string::npos);
    EXPECT_NE(twice.find("listed twice"), std::string::npos);
}

TEST(StandinManifest, GameSpellingsMapToOneDiskName) {
    EXPECT_EQ(DiskName("Art\\Menu\\Back1.bmp"), "Art/Menu/Back1.bmp");
    EXPECT_EQ(DiskName("Art//Menu//Numbers2.bmp"), "Art/Menu/Numbers2.bmp");
    EXPECT_EQ(MatchKey("Art//Menu//ButtonBack.bmp"), MatchKey("art\\menu\\BUTTONBACK.BMP"));
    EXPECT_NE(MatchKey("Art\\Menu\\Numbers4.PNG"), MatchKey("Art//Menu//Numbers4.bmp"));
}

TEST(StandinManifest, RepositoryManifestIsCompleteAndConsistent) {
    const Manifest& m = RepoManifest();
    int images = 0, wavs = 0, midis = 0, mp3s = 0;
    for (const ManifestEntry& e : m.entries) {
        SCOPED_TRACE(e.name);
        const std::string disk = DiskName(e.name);
        EXPECT_TRUE(disk.rfind("Art/", 0) == 0 || disk.rfind("Data/", 0) == 0);
        if (e.IsImage()) {
            ++images;
            EXPECT_FALSE(e.loadedBy.empty());
        }
        wavs += e.kind == AssetKind::Wav;
        midis += e.kind == AssetKind::Midi;
        mp3s += e.kind == AssetKind::Mp3;
    }
    EXPECT_GE(images, 300);
    EXPECT_GE(wavs, 30);
    EXPECT_EQ(midis, 3);
    EXPECT_EQ(mp3s, 1);
    // Spot checks of loaders' grids.
    const ManifestEntry* numbers = m.Find("Art\\Controls\\Numbers1.bmp");
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(numbers->frameWidth, 16);
    EXPECT_GE(numbers->frames, 10);
    const ManifestEntry* letters = m.Find("Art\\Name\\Letters2.PNG");
    ASSERT_NE(letters, nullptr);
    EXPECT_GE(letters->FrameCapacity(), 72);  // capitals, full stop and pairs from name cell 28 on
    // Loaded keyed red in one place and unkeyed elsewhere.
    const ManifestEntry* back = m.Find("Art\\Menu\\ButtonBack.bmp");
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE((back->keys & KeyRed) && (back->keys & KeyNone));
}

TEST(StandinManifestCheck, ReportsEachMissingAssetOnceWhateverTheSpelling) {
    const Manifest m = Parse(
        "Art\\Menu\\Back1.bmp\t32\t32\t1\tnone\tpanel\tauto\t\tx\n"
        "Art//Menu//Numbers2.bmp\t32\t32\t10\tred\tdigits\tauto\t\tx\n"
        "Data\\STAMP.wav\t0\t0\t0\tnone\teffect\tauto\t\tx\n");
    const std::vector<std::string> requested = {
        "Art\\Menu\\Back1.bmp",  "art//menu//back1.BMP", "Art\\Menu\\Numbers2.bmp", "Data\\stamp.WAV",
        "Art\\Menu\\Back9.bmp",  "Art//Menu//Back9.bmp", "Data\\Missing.wav",       "Saves\\1.save",
        "Saves//Options//MusicVolume.txt",
    };
    const std::vector<std::string> missing = NamesMissingFromManifest(requested, m);
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_EQ(missing[0], "Art\\Menu\\Back9.bmp");
    EXPECT_EQ(missing[1], "Data\\Missing.wav");
    EXPECT_TRUE(NamesMissingFromManifest({}, m).empty());
    // Against the repository's own manifest.
    const std::vector<std::string> repo =
        NamesMissingFromRepoManifest({"Art//Menu//Numbers2.bmp", "Data\\Devivi.mp3", "Art\\Nowhere.bmp"});
    ASSERT_EQ(repo.size(), 1u);
    EXPECT_EQ(repo[0], "Art\\Nowhere.bmp");
}

}  // namespace
