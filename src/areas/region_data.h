#pragma once
#include <cstddef>
#include <cstdint>

#include "shell/scene_id.h"

class BattleEngine;
class GameApp;
class RegionScene;
struct EventSoundSet;
struct RegionHelpers;

// Where the ship arrives when it travels through a portal or a menu row.
struct TravelTarget {
    uint8_t area;  // 1 the home base
    int32_t viewX, viewY;
    uint8_t units;  // raises the engine's spawnAreaUnits
    uint8_t clock;  // restarts the area clock
};

// A portal other than a hub's main portal: a one-row prompt naming the destination.
struct PortalRoute {
    uint8_t from;
    uint8_t slot;
    const char* prompt;
    int16_t promptX;
    TravelTarget to;
};

// Portal positions of one area: main portal, then up to three forward ones.
struct AreaPortals {
    uint8_t count;
    int32_t x[4];
    int32_t y[4];
};

// What a travel-menu row does.
enum class TravelAction : uint8_t { HomeBase, Store, Area };

// One row of a hub's travel menu.
struct TravelRow {
    const char* text;
    const char* inactiveText;
    uint8_t questNeeded;       // the quest that must be done, 0 for none
    uint8_t alwaysIn[3];       // hubs where the row is active anyway
    const char* altText;       // drawn instead of text in hub altHub
    uint8_t altHub;
    TravelAction action;
    TravelTarget to;           // the hub it leads to for TravelAction::Area
    int16_t boxWidth;
};

inline constexpr int kRegionAreaSlots = 32;

// The home base, arrived at with the view (200, -600).
constexpr TravelTarget TravelHome() { return {1, 200, -600, 0, 0}; }
// units: the area's allied units are placed; clock: the area clock restarts.
constexpr TravelTarget TravelTo(uint8_t area, int32_t x, int32_t y, uint8_t units = 0, uint8_t clock = 0) {
    return {area, x, y, units, clock};
}

// One set of portal positions and the areas (0-padded) that have it.
struct PortalPlacement {
    uint8_t areas[12];
    AreaPortals places;
};

// The portal positions of every area number, built from a region's placements.
struct PortalMap {
    AreaPortals byArea[kRegionAreaSlots] = {};
};

template <size_t N>
constexpr PortalMap MakePortalMap(const PortalPlacement (&placements)[N]) {
    PortalMap map;
    for (const PortalPlacement& placement : placements) {
        for (uint8_t area : placement.areas) {
            if (area != 0) map.byArea[area] = placement.places;
        }
    }
    return map;
}

// Everything in which the battle regions differ; the frame is the same.
struct RegionData {
    uint32_t location;    // GameState::location of this region
    uint32_t questSet;
    int32_t panelRegion;  // the control panel's region
    SceneId self;
    // Per area number (0 .. kRegionAreaSlots - 1).
    const AreaPortals* portals;
    const char* const* bannerNames;
    const PortalRoute* routes;
    int routeCount;
    const uint8_t* hubs;  // hub areas, 0-terminated
    const TravelRow* travelRows;
    int travelRowCount;
    // Hooks.
    void (*areaBounds)(int32_t area, int32_t bounds[4]);  // y min, y max, x min, x max
    void (*drawStructures)(GameApp& app, int32_t area);
    void (*wavesA)(BattleEngine& engine, int32_t viewX, int32_t viewY, int32_t areaId, uint32_t secondsInArea);
    void (*wavesB)(BattleEngine& engine, int32_t viewX, int32_t viewY, int32_t areaId, uint32_t secondsInArea);
    const RegionHelpers& (*helpers)();
    // The region's quest steps, run inside its frame (null where it has none).
    void (*placeQuestDrops)(GameApp& app, RegionScene& scene);
    void (*checkQuests)(GameApp& app, RegionScene& scene);
    void (*completeQuest)(GameApp& app, RegionScene& scene);
    void (*showReturnHint)(GameApp& app, RegionScene& scene);
    // Areas whose convoy (allies 30-32) flies up the area every frame; 0 for none.
    uint8_t convoyAreas[2];
    // The home base's Repairs notice is hidden on every area load, not only
    // when the panel is made.
    bool hidesRepairsOnLoad;
    // The engine events this region sounds.
    const EventSoundSet& (*eventSounds)();
    // The region's own arrival title and squares (null: the shared banner
    // while the panel's title timer runs).
    void (*drawArrival)(GameApp& app);
    // A forward portal's prompt keeps a press on its row until the pointer
    // comes back over it with the buttons up; the home portal's follows the
    // row under the pointer while a button is held. Otherwise a prompt takes
    // its row when the press starts and forgets it when the buttons come up.
    bool promptKeepsChoice;
    // Where a record naming none of the region's areas enters it (null: the
    // record's area all the same).
    const TravelTarget* strayEntry;
};
