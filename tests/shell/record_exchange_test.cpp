// The copies between the game record and the battle engine. Every field of
// the record is filled with its own value, so a copy that is left out, goes
// to the wrong place or takes the wrong source shows as a mismatch; a copy
// back must also leave every field it does not own as it was.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "shell/game_state.h"
#include "shell/game_state_fields.h"
#include "shell/record_exchange.h"

namespace {

namespace rx = record_exchange;

using Ref = std::variant<uint8_t*, int32_t*, uint32_t*>;
using EngineField = Ref (*)(BattleEngine&, int);
#define ENGINE(field) [](BattleEngine& e, [[maybe_unused]] int i) -> Ref { return &(e.field); }

// Elements first .. first + count - 1 of a record field and the engine's
// field that holds the same values.
struct Link {
    const char* record;
    int first;
    int count;
    EngineField engine;
};

double Get(BattleEngine& engine, const Link& link, int i) {
    return std::visit([](auto* p) { return static_cast<double>(*p); }, link.engine(engine, i));
}
void Set(BattleEngine& engine, const Link& link, int i, uint32_t value) {
    std::visit([value](auto* p) { *p = static_cast<std::remove_pointer_t<decltype(p)>>(value); }, link.engine(engine, i));
}

// Every element gets the next value of 1..251: never 0, and fields next to
// each other never agree, whatever their width.
template <class T>
void FillField(T& field, uint32_t& counter) {
    if constexpr (std::is_array_v<T>) {
        for (auto& element : field) FillField(element, counter);
    } else {
        field = static_cast<T>(counter++ % 251 + 1);
    }
}
std::unique_ptr<GameState> FilledRecord() {
    auto state = std::make_unique<GameState>();
    uint32_t counter = 0;
    VisitGameStateFields(*state, [&counter](const char*, auto& field) { FillField(field, counter); });
    return state;
}

using Flat = std::map<std::string, std::vector<double>>;
template <class T>
void FlattenField(const T& field, std::vector<double>& out) {
    if constexpr (std::is_array_v<T>) {
        for (const auto& element : field) FlattenField(element, out);
    } else {
        out.push_back(static_cast<double>(field));
    }
}
Flat Flatten(const GameState& state) {
    Flat flat;
    VisitGameStateFields(state, [&flat](const char* name, const auto& field) { FlattenField(field, flat[name]); });
    return flat;
}

// The first element in which two records differ, as "field[i]: a != b".
std::string FirstDifference(const Flat& expected, const Flat& actual) {
    for (const auto& [name, values] : expected) {
        const std::vector<double>& other = actual.at(name);
        for (size_t i = 0; i < values.size(); ++i) {
            if (values[i] != other[i]) {
                return name + "[" + std::to_string(i) + "]: expected " + std::to_string(values[i]) + ", got " +
                       std::to_string(other[i]);
            }
        }
    }
    return "";
}

std::vector<Link> Join(std::initializer_list<std::vector<Link>> parts) {
    std::vector<Link> all;
    for (const std::vector<Link>& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<Link> kShipLinks = {
    {"shipShields", 0, 1, ENGINE(shipShields)},
    {"shipArmor", 0, 1, ENGINE(shipArmor)},
    {"shipDefence", 0, 1, ENGINE(shipDefence)},
    {"shipProtection", 0, 3, ENGINE(shipProtection[i])},
    {"weaponDamage", 0, 5, ENGINE(barrelDamage[i])},
    {"allyFlags", 0, 300, ENGINE(allyFlags[i])},
    {"shipSpeed", 0, 1, ENGINE(engineLevel)},
    {"volleyFlag", 0, 1, ENGINE(volleySize)},
    {"skillCharges", 0, 12, ENGINE(skillValues[i])},
    {"goodiesBonus", 0, 1, ENGINE(goodiesBonus)},
};
const std::vector<Link> kBonusLinks = {
    {"bonusBlock.goldBonus", 0, 1, ENGINE(goldBonus)},
    {"bonusBlock.crystalBonus", 0, 1, ENGINE(crystalBonus)},
    {"bonusBlock.favorsBonus", 0, 1, ENGINE(favorsBonus)},
    {"bonusBlock.shipMaterialBonus", 0, 1, ENGINE(shipMaterialBonus)},
    {"bonusBlock.robotMaterialBonus", 0, 1, ENGINE(robotMaterialBonus)},
    {"bonusBlock.buildingMaterialBonus", 0, 1, ENGINE(buildingMaterialBonus)},
};
const std::vector<Link> kBuildingLinks = {
    {"buildingExists", 0, 100, ENGINE(building.active[i])}, {"buildingKinds", 0, 100, ENGINE(building.type[i])},
    {"buildingLevels", 0, 100, ENGINE(building.level[i])}, {"buildingFrames", 0, 100, ENGINE(building.frame[i])},
    {"buildingX", 0, 100, ENGINE(building.x[i])},          {"buildingY", 0, 100, ENGINE(building.y[i])},
};
const std::vector<Link> kRobotLinks = {
    {"robotActive", 0, 100, ENGINE(robot.exists[i])},         {"robotOperational", 0, 100, ENGINE(robot.active[i])},
    {"robotVariant", 0, 100, ENGINE(robot.facing[i])},        {"robotRank", 0, 100, ENGINE(robot.type[i])},
    {"robotShields", 0, 100, ENGINE(robot.shields[i])},       {"robotArmor", 0, 100, ENGINE(robot.armor[i])},
    {"robotProtection", 0, 100, ENGINE(robot.protection[i])}, {"robotAttack", 0, 100, ENGINE(robot.damage[i])},
    {"robotDefence", 0, 100, ENGINE(robot.defence[i])},
};
const std::vector<Link> kNewAreaLinks = {
    {"skillBenefits", 0, 12, ENGINE(skillBenefits[i])},
    {"skillBenefits", 0, 12, ENGINE(skillFullCharges[i])},
    {"bonusBlock.reservedBonus", 0, 1, ENGINE(experienceBonus)},
};
const std::vector<Link> kRobotCountLinks = {{"operationalByRank", 0, 4, ENGINE(robotTypeCounts[i])}};

struct SeedCase {
    const char* what;
    void (*hand)(GameState&, BattleEngine&);
    std::vector<Link> links;
    void (*recordChange)(GameState&);  // what the hand-over itself changes in the record, or null
};

// Each hand-over to the engine: every linked engine element takes the
// record's value, and the record stays as it was.
TEST(RecordExchange, EveryHandOverGivesTheEngineTheRecordsValues) {
    const SeedCase cases[] = {
        {"a new or loaded game", [](GameState& s, BattleEngine& e) { rx::SeedEngine(e, s); },
         Join({kShipLinks, kBonusLinks, kBuildingLinks, kRobotLinks, {{"topFactoryLevel", 0, 1, ENGINE(topFactoryLevel)}}}),
         nullptr},
        {"an area's new engine", [](GameState& s, BattleEngine& e) { rx::SeedNewAreaEngine(e, s); },
         Join({kShipLinks, kBonusLinks, kBuildingLinks, kRobotLinks, kNewAreaLinks}), nullptr},
        {"a battle region loads", [](GameState& s, BattleEngine& e) { rx::CopyOnRegionLoad(s, e); },
         Join({{{"skillCharges", 0, 8, ENGINE(skillValues[i])},
                {"skillBenefits", 0, 8, ENGINE(skillBenefits[i])},
                {"skillBenefits", 0, 8, ENGINE(skillFullCharges[i])},
                {"shipShields", 0, 1, ENGINE(shipShields)},
                {"shipArmor", 0, 1, ENGINE(shipArmor)}},
               kRobotCountLinks}),
         nullptr},
        // The escape's charge is full again at home, in the record and the engine.
        {"the home base loads", [](GameState& s, BattleEngine& e) { rx::CopyOnHomeLoad(s, e); },
         Join({{{"skillBenefits", 0, 1, ENGINE(skillValues[i])},
                {"skillCharges", 1, 7, ENGINE(skillValues[i])},
                {"skillBenefits", 0, 8, ENGINE(skillBenefits[i])}},
               kRobotCountLinks}),
         [](GameState& s) { s.skillCharges[kSkillEmergencyEscape] = s.skillBenefits[kSkillEmergencyEscape]; }},
        {"the robots", [](GameState& s, BattleEngine& e) { rx::CopyRobotsToEngine(s, e); }, kRobotLinks, nullptr},
        {"the buildings", [](GameState& s, BattleEngine& e) { rx::CopyBuildingsToEngine(s, e); }, kBuildingLinks,
         nullptr},
        {"the awards", [](GameState& s, BattleEngine& e) { rx::CopyAwardsToEngine(s, e); },
         Join({kBonusLinks, {{"goodiesBonus", 0, 1, ENGINE(goodiesBonus)}}}), nullptr},
        {"the ship's shields each frame", [](GameState& s, BattleEngine& e) { rx::CopyShipShieldsToEngine(s, e); },
         {{"shipShields", 0, 1, ENGINE(shipShields)}}, nullptr},
    };
    for (const SeedCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = FilledRecord();
        auto engine = std::make_unique<BattleEngine>();
        for (const Link& link : c.links) {
            for (int i = link.first; i < link.first + link.count; ++i) Set(*engine, link, i, 0);
        }
        auto expected = std::make_unique<GameState>(*state);
        if (c.recordChange) c.recordChange(*expected);
        const Flat before = Flatten(*state);
        c.hand(*state, *engine);
        for (const Link& link : c.links) {
            const std::vector<double>& values = before.at(link.record);
            for (int i = link.first; i < link.first + link.count; ++i) {
                ASSERT_EQ(Get(*engine, link, i), values[static_cast<size_t>(i)]) << link.record << "[" << i << "]";
            }
        }
        EXPECT_EQ(FirstDifference(Flatten(*expected), Flatten(*state)), "");
    }
}

struct BackCase {
    const char* what;
    void (*copyBack)(const BattleEngine&, GameState&);
    std::vector<Link> links;  // record field <- engine field
};

std::vector<Link> RobotStateLinks(int robots) {
    return {{"robotOperational", 0, robots, ENGINE(robot.active[i])},
            {"robotShields", 0, robots, ENGINE(robot.shields[i])},
            {"robotArmor", 0, robots, ENGINE(robot.armor[i])}};
}
const std::vector<Link> kChargeLinks = {{"skillCharges", 0, 8, ENGINE(skillValues[i])}};

// The record seeds an engine, every engine field a copy back takes is
// changed, and the copy back brings exactly those values into the record.
TEST(RecordExchange, EveryCopyBackTakesTheEnginesValuesAndNothingElse) {
    const BackCase cases[] = {
        {"a battle region is left", rx::CopyBackOnLeavingRegion,
         Join({RobotStateLinks(50), kRobotCountLinks, kChargeLinks,
               {{"skillBenefits", 0, 8, ENGINE(skillFullCharges[i])}}})},
        {"all robots back", [](const BattleEngine& e, GameState& s) { rx::CopyRobotsBack(e, s, 100); },
         Join({RobotStateLinks(100), kRobotCountLinks})},
        {"the robots page opens",
         rx::TakeRobotStatesFromEngine,
         {{"robotOperational", 0, 100, ENGINE(robot.active[i])}, {"robotShields", 0, 100, ENGINE(robot.shields[i])}}},
        {"one robot repaired", [](const BattleEngine& e, GameState& s) { rx::TakeRobotArmorFromEngine(e, s, 37); },
         {{"robotArmor", 37, 1, ENGINE(robot.armor[i])}}},
        {"a region's frame", rx::CopySkillChargesBack, kChargeLinks},
        {"robots lost", rx::CopyRobotCountsBack, kRobotCountLinks},
        {"a save", rx::TakeEngineValuesForSave,
         Join({kRobotCountLinks, kChargeLinks,
               {{"weaponDamage", 0, 5, ENGINE(barrelDamage[i])}, {"volleyFlag", 0, 1, ENGINE(volleySize)}}})},
        {"the base's buildings moved", rx::CopyBuildingPositionsBack,
         {{"buildingX", 0, 100, ENGINE(building.x[i])}, {"buildingY", 0, 100, ENGINE(building.y[i])}}},
        {"the factory moved", rx::TakeFactoryPositionFromEngine,
         {{"factoryX", 0, 1, ENGINE(factoryX)}, {"factoryY", 0, 1, ENGINE(factoryY)}}},
    };
    for (const BackCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = FilledRecord();
        auto engine = std::make_unique<BattleEngine>();
        rx::SeedNewAreaEngine(*engine, *state);
        rx::CopyOnRegionLoad(*state, *engine);
        Flat expected = Flatten(*state);
        for (const Link& link : c.links) {
            for (int i = link.first; i < link.first + link.count; ++i) {
                const uint32_t changed = static_cast<uint32_t>(Get(*engine, link, i)) % 250 + 1;
                Set(*engine, link, i, changed);
                expected[link.record][static_cast<size_t>(i)] = Get(*engine, link, i);
            }
        }
        c.copyBack(*engine, *state);
        EXPECT_EQ(FirstDifference(expected, Flatten(*state)), "");
    }
}

// The Your Ship page's values reach the record and the engine alike; a
// barrel is present where the record has a weapon fitted.
TEST(RecordExchange, TheShipPagesValuesReachTheRecordAndTheEngine) {
    auto state = FilledRecord();
    state->weaponPositions[1] = state->weaponPositions[3] = 0;
    auto engine = std::make_unique<BattleEngine>();
    rx::ShipValues ship;
    uint32_t next = 300;
    for (uint32_t& attack : ship.attacks) attack = next++;
    ship.fireMode = 3;
    ship.shields = next++;
    ship.shieldsMax = next++;
    ship.armor = next++;
    ship.armorMax = next++;
    ship.defence = next++;
    for (uint32_t& protection : ship.protection) protection = next++;

    const auto d = [](uint32_t v) { return static_cast<double>(v); };
    Flat expected = Flatten(*state);
    const struct {
        const char* record;
        std::vector<double> values;
    } kWritten[] = {
        {"weaponDamage", {d(ship.attacks[0]), d(ship.attacks[1]), d(ship.attacks[2]), d(ship.attacks[3]), d(ship.attacks[4])}},
        {"volleyFlag", {3}},  // three barrels fitted
        {"fireMode", {3}},
        {"shipProtection", {d(ship.protection[0]), d(ship.protection[1]), d(ship.protection[2])}},
        {"shipShields", {d(ship.shields)}},
        {"shipShieldsMax", {d(ship.shieldsMax)}},
        {"shipArmor", {d(ship.armor)}},
        {"shipArmorMax", {d(ship.armorMax)}},
        {"shipDefence", {d(ship.defence)}},
    };
    for (const auto& written : kWritten) expected[written.record] = written.values;
    rx::WriteShipValues(ship, *state, *engine);
    EXPECT_EQ(FirstDifference(expected, Flatten(*state)), "");

    const Link kEngine[] = {
        {"weaponDamage", 0, 5, ENGINE(barrelDamage[i])}, {"volleyFlag", 0, 1, ENGINE(volleySize)},
        {"fireMode", 0, 1, ENGINE(fireMode)},            {"shipProtection", 0, 3, ENGINE(shipProtection[i])},
        {"shipShields", 0, 1, ENGINE(shipShields)},      {"shipArmor", 0, 1, ENGINE(shipArmor)},
        {"shipDefence", 0, 1, ENGINE(shipDefence)},
    };
    for (const Link& link : kEngine) {
        for (int i = 0; i < link.count; ++i) {
            EXPECT_EQ(Get(*engine, link, i), expected[link.record][static_cast<size_t>(i)]) << link.record << "[" << i << "]";
        }
    }
    const uint8_t present[] = {1, 0, 1, 0, 1};
    for (int b = 0; b < 5; ++b) EXPECT_EQ(engine->barrelPresent[b], present[b]) << b;
}

}  // namespace

// The emergency escape spends its last charge in a region and the flight
// ends at the home base, which fills the charge again from the skill.
TEST(RecordExchangeInPlay, TheHomeBaseRefillsTheEscapeChargeASpentEscapeLeftAtZero) {
    GameDriver driver;
    ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
    ASSERT_TRUE(driven_play::FlyToBorderArea(driver));
    driver.RunFrames(5);
    GameState& state = *driver.App().gameState;
    const uint32_t full = state.skillBenefits[kSkillEmergencyEscape];
    ASSERT_EQ(full, 1u) << "a new game's single charge";
    ASSERT_EQ(state.skillCharges[kSkillEmergencyEscape], full);
    driver.TapKey(key::kF1);
    for (int frame = 0; frame < 400 && driver.App().IsCurrent(SceneId::EarthSystem); ++frame) driver.RunFrames(1);
    ASSERT_TRUE(driver.App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(state.skillCharges[kSkillEmergencyEscape], 0u) << "spent on the way";
    driver.RunFrames(3);
    EXPECT_EQ(state.skillCharges[kSkillEmergencyEscape], full);
    EXPECT_EQ(driver.App().battleEngine->skillValues[kSkillEmergencyEscape], full);
}
