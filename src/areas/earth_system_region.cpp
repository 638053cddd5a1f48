// The first region, "Earth System": areas 2 to 28, its portals and travel
// menu, its structures, waves and quests. The frame is the battle regions' one.
#include "areas/earth_system_region.h"

#include "areas/area_event_sounds.h"
#include "areas/area_structures.h"
#include "areas/quest_progress.h"
#include "areas/region_bounds.h"
#include "areas/region_data.h"
#include "battle/battle_engine.h"
#include "battle/quest_helper_tables.h"
#include "hud/area_backdrop.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_app.h"
#include "waves/earth_system_waves.h"

namespace {
constexpr uint32_t kLocation = 2;
constexpr uint32_t kQuestSet = 1;

// ---- Portal positions ----
constexpr PortalPlacement kPortalPlacements[] = {
    {{2}, {2, {500, 1200}, {-200, -4400}}},
    {{3, 6, 7, 9, 13, 15, 19, 20, 23, 27}, {2, {480, 480}, {-200, -9600}}},
    {{4}, {4, {1400, 100, 2850, 1400}, {-200, -500, -500, -700}}},
    {{12, 17, 22}, {3, {1400, 100, 2850}, {-200, -500, -500}}},
    {{5, 8, 10, 16, 18, 21, 24, 28}, {1, {1200}, {-200}}},
    {{11, 25}, {1, {480}, {-200}}},
    {{14}, {1, {500}, {-200}}},
    {{26}, {1, {1310}, {-200}}},
};

constexpr PortalMap kPortalMap = MakePortalMap(kPortalPlacements);

// ---- Where each portal leads ----
constexpr PortalRoute kRoutes[] = {
    {3, 0, "Border Area", 360, TravelTo(2, 910, -4600)},
    {5, 0, "Green Path", 365, TravelTo(3, 200, -9730)},
    {6, 0, "Neutral Area", 360, TravelTo(4, 1120, -1020)},
    {7, 0, "Moon Path I", 360, TravelTo(6, 200, -9730)},
    {9, 0, "Neutral Area", 360, TravelTo(4, -64, -800)},
    {13, 0, "Earth Area", 370, TravelTo(12, -64, -850)},
    {15, 0, "Earth Area", 370, TravelTo(12, 2250, -800)},
    {18, 0, "Pirates Area", 360, TravelTo(17, -64, -800)},
    {19, 0, "Pirates Area", 360, TravelTo(17, 2270, -800)},
    {20, 0, "Pirates Path I", 360, TravelTo(19, 200, -9750)},
    {23, 0, "Mars Area", 367, TravelTo(22, -50, -950)},
    {8, 0, "Your Home Base", 340, TravelHome()},
    {10, 0, "Your Home Base", 340, TravelHome()},
    {11, 0, "Your Home Base", 340, TravelHome()},
    {14, 0, "Your Home Base", 340, TravelHome()},
    {16, 0, "Your Home Base", 340, TravelHome()},
    {21, 0, "Your Home Base", 340, TravelHome()},
    {24, 0, "Your Home Base", 340, TravelHome()},
    {25, 0, "Your Home Base", 340, TravelHome()},
    {26, 0, "Your Home Base", 340, TravelHome()},
    {27, 0, "Your Home Base", 340, TravelHome()},
    {28, 0, "Your Home Base", 340, TravelHome()},
    {2, 1, "Green Path", 365, TravelTo(3, 200, -600)},
    {3, 1, "Green Domain", 360, TravelTo(5, 860, -580)},
    {4, 1, "Skeletons", 360, TravelTo(9, 200, -600)},
    {4, 2, "Convoy Area", 360, TravelTo(11, 200, -570, 1)},
    {4, 3, "Moon Path", 370, TravelTo(6, 200, -600)},
    {6, 1, "Moon Path II", 360, TravelTo(7, 200, -570)},
    {7, 1, "Moon Colony", 360, TravelTo(8, 832, -644, 1, 1)},
    {9, 1, "Skeletons Prison", 360, TravelTo(10, 860, -580, 0, 1)},
    {12, 1, "Stolen Robot Trail", 350, TravelTo(13, 150, -570)},
    {12, 2, "Earth Path", 370, TravelTo(15, 150, -570)},
    {13, 1, "Robot Lair", 360, TravelTo(14, 832, -644)},
    {15, 1, "Earth Space Station", 350, TravelTo(16, 880, -640, 1, 1)},
    {17, 1, "Pirates Outpost", 360, TravelTo(18, 830, -600, 0, 1)},
    {17, 2, "Pirates Path", 370, TravelTo(19, 150, -570)},
    {19, 1, "Pirates Path II", 360, TravelTo(20, -50, -530)},
    {20, 1, "Pirates Base", 360, TravelTo(21, 830, -700, 0, 1)},
    {22, 1, "Mars Path", 370, TravelTo(23, 190, -650)},
    {22, 2, "Medical Convoy", 350, TravelTo(25, 150, -570, 1)},
    {23, 1, "Mars Space Colony", 340, TravelTo(24, 832, -644, 1, 1)},
    {27, 1, "Shadow Ninja Clan Base", 320, TravelTo(28, 832, -544, 0, 1)},
};

constexpr uint8_t kHubs[] = {2, 4, 12, 17, 22, 0};

constexpr TravelRow kTravelRows[] = {
    {"1. Your Home Base", "", 0, {}, nullptr, 0, TravelAction::HomeBase, TravelHome(), 150},
    {"2. Tovrin Planetary System (Shop)", "", 0, {}, nullptr, 0, TravelAction::Store, {}, 260},
    {"3. Border Area", "", 0, {}, nullptr, 0, TravelAction::Area, TravelTo(2, 200, -600), 130},
    {"4. Neutral Area", "4.  -- Inactive", 1, {12, 17, 22}, nullptr, 0, TravelAction::Area, TravelTo(4, 1120, -620), 260},
    {"5. Earth Area", "5.  -- Inactive", 4, {}, nullptr, 0, TravelAction::Area, TravelTo(12, 1120, -620), 110},
    {"6. Pirates Area", "6.  -- Inactive", 6, {}, nullptr, 0, TravelAction::Area, TravelTo(17, 1120, -620), 110},
    {"7. Mars Area", "7.  -- Inactive", 8, {}, nullptr, 0, TravelAction::Area, TravelTo(22, 1120, -620), 110},
    {"8. Zombie Space Monster", "8.  -- Inactive", 10, {}, nullptr, 0, TravelAction::Area, TravelTo(26, 1120, -620), 250},
    {"9. Ninja Shadow Clan", "9.  -- Inactive", 11, {}, "9. Ninja Shadow Clan Path", 4, TravelAction::Area,
     TravelTo(27, 30, -620), 250},
};

constexpr const char* kBannerNames[kRegionAreaSlots] = {
    nullptr,
    nullptr,
    "Border Area",
    "Green Path",
    "Neutral Area",
    "Green Domain",
    "Moon Path I",
    "Moon Path II",
    "Moon Colony",
    "Skeletons Path",
    "Skeletons Prison",
    "Convoy Area",
    "Earth Area",
    "Stolen Robot Trail",
    "Robot Lair",
    "Earth Path",
    "Earth Space Station",
    "Pirates Area",
    "Pirates Outpost",
    "Pirates Path I",
    "Pirates Path II",
    "Pirates Base",
    "Mars Area",
    "Mars Path II",
    "Mars Space Colony",
    "Medical Convoy",
    "Zombie Space Monster Area",
    "Shadow Ninja Clan Path",
    "Shadow Ninja Clan Base",
};

// ---- Bounds ----
constexpr int32_t kGreenDomain = 5;
constexpr int32_t kGreenDomainYMin = -4640;

void EarthSystemBounds(int32_t area, int32_t bounds[4]) {
    ShapeBounds(kQuestSet, area, bounds);
    if (area == kGreenDomain) bounds[kBoundYMin] = kGreenDomainYMin;
}

// ---- Structures ----
constexpr StructurePiece kPrisonCells[] = {
    {6, 1000, -2600, 1.0f, 1.0f}, {6, 1000, -2200, 1.0f, 1.0f}, {6, 1000, -1800, 1.0f, 1.0f}};
constexpr StructurePiece kPrisonBars[] = {
    {39, 863, -1575, 2.63f, 1.0f}, {39, 863, -1975, 2.63f, 1.0f}, {39, 863, -2375, 2.63f, 1.0f},
    {39, 863, -2775, 2.63f, 1.0f}, {40, 1024, -1736, 1.0f, 1.26f}, {40, 1024, -1960, 1.0f, 1.26f},
    {40, 1024, -2136, 1.0f, 1.26f}, {40, 1024, -2360, 1.0f, 1.26f}, {40, 1024, -2536, 1.0f, 1.26f},
    {40, 1024, -2760, 1.0f, 1.26f},
};
constexpr uint32_t kPieceColour = 0xFFBEBEFAu;
constexpr uint32_t kRedColonyColour = 0xFFFF3232u;
constexpr uint32_t kPrisonCellColour = 0xC8C8FAE6u;
constexpr uint32_t kNinjaPieceColour = 0xFF323232u;
// The fortified areas here cull both kinds of bar by the vertical bar's window.
void DrawBarPieces(GameApp& app, uint32_t colour) { DrawBars(app, colour, kVerticalBarWindow, kVerticalBarWindow); }

void DrawEarthSystemStructures(GameApp& app, int32_t area) {
    switch (area) {
    case 8: DrawColony(app, kPieceColour, kPieceColour); break;
    case 24: DrawColony(app, kRedColonyColour, kRedColonyColour); break;
    case 10:
        DrawStructurePieces(app, kPrisonCells, kPrisonCellColour);
        DrawStructurePieces(app, kPrisonBars, kPieceColour);
        break;
    case 18: DrawOutpost(app, kPieceColour); break;
    case 21: DrawBarPieces(app, kPieceColour); break;
    case 28: DrawBarPieces(app, kNinjaPieceColour); break;
    default: break;
    }
}

constexpr RegionData kEarthSystem = {
    .location = kLocation,
    .questSet = kQuestSet,
    .panelRegion = 2,
    .self = SceneId::EarthSystem,
    .portals = kPortalMap.byArea,
    .bannerNames = kBannerNames,
    .routes = kRoutes,
    .routeCount = static_cast<int>(sizeof(kRoutes) / sizeof(kRoutes[0])),
    .hubs = kHubs,
    .travelRows = kTravelRows,
    .travelRowCount = static_cast<int>(sizeof(kTravelRows) / sizeof(kTravelRows[0])),
    .areaBounds = EarthSystemBounds,
    .drawStructures = DrawEarthSystemStructures,
    .wavesA = RunWavesEarthSystemA,
    .wavesB = RunWavesEarthSystemB,
    .helpers = EarthSystemHelpers,
    .placeQuestDrops = PlaceQuestDrops,
    .checkQuests = CheckEarthSystemQuests,
    .completeQuest = CompleteQuest,
    .showReturnHint = ShowReturnHint,
    .convoyAreas = {11, 25},
    .hidesRepairsOnLoad = false,
    .eventSounds = BaseEventSounds,
    .drawArrival = nullptr,
    .promptKeepsChoice = false,
    .strayEntry = nullptr,
};
}  // namespace

const RegionData& EarthSystemRegion() { return kEarthSystem; }
