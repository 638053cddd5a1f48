// The second region, "Invasions": areas 2 to 20, the portals of each area
// and where they lead, the bounds, the two wave scripts, the allied units and
// the convoy, its structures, quests, sounds and arrival title, each plugged
// into the hooks of RegionData.
#include "areas/invasions_region.h"

#include "areas/area_event_sounds.h"
#include "areas/area_structures.h"
#include "areas/invasions_arrival.h"
#include "areas/invasions_quests.h"
#include "areas/quest_progress.h"
#include "areas/region_bounds.h"
#include "areas/region_data.h"
#include "battle/quest_helper_tables.h"
#include "waves/invasions_waves.h"

namespace {
constexpr uint32_t kLocation = 3;
constexpr uint32_t kQuestSet = 2;
constexpr int32_t kPanelRegion = 3;

// ---- Portal positions: the home portal first, then the forward ones ----
// The quest areas keep their home portal at the far end.
constexpr PortalPlacement kPortalPlacements[] = {
    {{2, 5, 7, 12, 13, 14, 16, 17, 18, 19, 20}, {1, {1200}, {-4400}}},
    {{3, 4, 8, 10, 11}, {2, {480, 480}, {-200, -9600}}},
    {{6}, {3, {1400, 100, 2850}, {-200, -500, -500}}},
    {{9, 15}, {4, {1400, 100, 2850, 1400}, {-200, -500, -500, -700}}},
};

constexpr PortalMap kPortalMap = MakePortalMap(kPortalPlacements);

// ---- Where each portal leads ----
constexpr int kFirstArea = 2;
constexpr int kLastArea = 20;
constexpr int kForwardRoutes = 12;
constexpr int kRouteCount = kLastArea - kFirstArea + 1 + kForwardRoutes;

struct RouteTable {
    PortalRoute routes[kRouteCount] = {};
};

// No portal leads back inside the region: the home portal of every area
// leads home, the forward ones deeper in. The convoy area's forward portal
// has no prompt.
constexpr PortalRoute kForward[kForwardRoutes] = {
    {3, 1, "Far Colony Path II", 350, TravelTo(4, 180, -600)},
    {4, 1, "Far Colony", 360, TravelTo(5, 888, -1560, 1, 1)},
    {6, 1, "Enemy Fleet", 364, TravelTo(7, 863, -1390, 0, 1)},
    {9, 1, "Station Path", 364, TravelTo(10, 180, -650)},
    {10, 1, "Station Path II", 364, TravelTo(11, 180, -650)},
    {11, 1, "Military Station", 364, TravelTo(12, 863, -1390, 1, 1)},
    {15, 1, "Dragon's Outpost", 344, TravelTo(16, 863, -630, 0, 1)},
    {6, 2, "Supply Ships Area", 340, TravelTo(8, -50, -650, 1, 0)},
    {9, 2, "Mechanical Dragon", 350, TravelTo(14, 863, -1390, 0, 1)},
    {15, 2, "Dragon's Base", 358, TravelTo(18, 863, -1390, 0, 1)},
    {9, 3, "Warrior Clan", 370, TravelTo(13, 863, -1390, 0, 1)},
    {15, 3, "Dragon's Fleet", 365, TravelTo(17, 863, -1390, 0, 1)},
};

constexpr RouteTable MakeRoutes() {
    RouteTable table;
    int n = 0;
    for (int area = kFirstArea; area <= kLastArea; ++area) {
        table.routes[n++] = {static_cast<uint8_t>(area), 0, "Your Home Base", 340, TravelHome()};
    }
    for (const PortalRoute& route : kForward) table.routes[n++] = route;
    return table;
}
constexpr RouteTable kRoutes = MakeRoutes();

// A record that names none of this region's areas enters the Enemy Fleet.
constexpr TravelTarget kStrayEntry = TravelTo(7, 300, -2035);

// No hub has a travel menu here: every home portal shows its one prompt.
constexpr uint8_t kNoHubs[] = {0};

constexpr const char* kBannerNames[kRegionAreaSlots] = {
    nullptr,
    nullptr,
    "Trap",
    "Far Colony Path I",
    "Far Colony Path II",
    "Far Colony",
    "Meeting Area",
    "Enemy Fleet",
    "Supply Ships Area",
    "Venus Area",
    "Station Path I",
    "Station Path II",
    "Military Station",
    "Warrior Clan",
    "Mechanical Dragon Lair",
    "Saturn Area",
    "Dragons Outpost",
    "Dragons Fleet",
    "Dragons Base",
    "Dunmark",
    "Vexmoor",
};

void InvasionsBounds(int32_t area, int32_t bounds[4]) { ShapeBounds(kQuestSet, area, bounds); }

// ---- Structures ----
constexpr uint32_t kPieceColour = 0xFFBEBEFAu;
constexpr uint32_t kColonyPillarColour = 0xFF0AFF32u;  // the colony's pillars are green
constexpr uint32_t kBarColour = 0xFF323232u;

void DrawInvasionsStructures(GameApp& app, int32_t area) {
    switch (area) {
    case 5: DrawColony(app, kPieceColour, kColonyPillarColour); break;
    case 16: DrawOutpost(app, kPieceColour); break;
    case 18:
    case 19:
    case 20: DrawBars(app, kBarColour, kHorizontalBarWindow, kVerticalBarWindow); break;
    default: break;
    }
}

constexpr RegionData kInvasions = {
    .location = kLocation,
    .questSet = kQuestSet,
    .panelRegion = kPanelRegion,
    .self = SceneId::Invasions,
    .portals = kPortalMap.byArea,
    .bannerNames = kBannerNames,
    .routes = kRoutes.routes,
    .routeCount = kRouteCount,
    .hubs = kNoHubs,
    .travelRows = nullptr,
    .travelRowCount = 0,
    .areaBounds = InvasionsBounds,
    .drawStructures = DrawInvasionsStructures,
    .wavesA = RunWavesInvasionsA,
    .wavesB = RunWavesInvasionsB,
    .helpers = InvasionsHelpers,
    .placeQuestDrops = PlaceQuestDrops,
    .checkQuests = CheckInvasionsQuests,
    .completeQuest = CompleteInvasionsQuest,
    .showReturnHint = nullptr,
    .convoyAreas = {8, 0},
    .hidesRepairsOnLoad = true,
    .eventSounds = InvasionsEventSounds,
    .drawArrival = DrawInvasionsArrival,
    .promptKeepsChoice = true,
    .strayEntry = &kStrayEntry,
};
}  // namespace

const RegionData& InvasionsRegion() { return kInvasions; }
