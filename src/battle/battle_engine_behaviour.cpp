// Behaviour of the computer-driven units: enemies hunt the ship, allies or
// robots; robots and allies hunt enemies on a leash around the ship. Every
// rule works on the two axes separately.
#include <algorithm>
#include <cstdlib>

#include "battle/battle_engine.h"
#include "battle/live_points.h"

namespace {

static_assert(kEnemySlots <= LivePoints::kCapacity && kRobotSlots <= LivePoints::kCapacity &&
              kAllySlots <= LivePoints::kCapacity);
constexpr int32_t kFarAway = 10000;       // start of every nearest-unit search
constexpr int32_t kShipTargetMargin = 70;  // the ship wins when this much nearer
constexpr int32_t kShipHalf = 32;
constexpr int32_t kSidestepReach = 100;
constexpr int32_t kSidestepLength = 100;
constexpr int32_t kEnemyBoundRight = 700;
constexpr int32_t kEnemyBoundLeft = 50;
constexpr int32_t kEnemyBoundVertical = 600;
constexpr int32_t kChaseSlack = 200;      // robots close in only when this far past keep-off
constexpr int32_t kLeashX = 400;
constexpr int32_t kLeashY = 350;
constexpr int32_t kJumpBeyondX = 600;
constexpr int32_t kJumpBeyondY = 550;
constexpr int32_t kJump = 200;
constexpr int32_t kIdleMargin = 15;
constexpr int32_t kRobotSize = 32;

struct MoveFlags {
    uint8_t up = 0, down = 0, right = 0, left = 0;
};

// Eight facings from the direction flags; no flag keeps the facing.
void FaceFrom(const MoveFlags& f, uint8_t& facing) {
    if (f.up) {
        facing = f.right ? 1 : (f.left ? 7 : 0);
    } else if (f.down) {
        facing = f.right ? 3 : (f.left ? 5 : 4);
    } else if (f.right) {
        facing = 2;
    } else if (f.left) {
        facing = 6;
    }
}

bool BoxesOverlap(int32_t ax, int32_t ay, int32_t aw, int32_t ah, int32_t bx, int32_t by, int32_t bw, int32_t bh) {
    return ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah;
}

// Lowest slot with the smallest distance along each axis; slots stay as they
// were when nothing nearer than kFarAway is found. The smallest distance
// first, then the first entry at it: two simple passes the compiler vectorises.
void NearestByAxis(const LivePoints& points, int32_t x, int32_t y, int32_t& slotX, int32_t& slotY, int32_t& bestX,
                   int32_t& bestY) {
    int32_t nearestX = kFarAway, nearestY = kFarAway;
    for (int k = 0; k < points.count; ++k) {
        nearestX = std::min(nearestX, std::abs(points.x[k] - x));
        nearestY = std::min(nearestY, std::abs(points.y[k] - y));
    }
    bestX = nearestX;
    bestY = nearestY;
    if (nearestX < kFarAway) {
        int k = 0;
        while (std::abs(points.x[k] - x) != nearestX) ++k;
        slotX = points.slot[k];
    }
    if (nearestY < kFarAway) {
        int k = 0;
        while (std::abs(points.y[k] - y) != nearestY) ++k;
        slotY = points.slot[k];
    }
}

bool ValidSlot(int32_t slot, int slots) { return slot >= 0 && slot < slots; }

// Shared by robots and allies: chase the nearest enemy, keep to the leash
// around the ship, drift outward when idle.
struct EscortRules {
    uint8_t chaseStep;
    uint8_t returnStep;
    uint8_t idleStep;
};

template <typename Table>
void ThinkEscort(BattleEngine& engine, const LivePoints& enemies, Table& t, int i, const EscortRules& rules,
                 int32_t shipWorldX, int32_t shipWorldY, uint8_t& noEnemies, MoveFlags& flags) {
    const EnemyTable& enemy = engine.enemy;

    const bool anyEnemy = enemies.count > 0;
    if (anyEnemy) {
        int32_t bestX, bestY;
        NearestByAxis(enemies, t.x[i], t.y[i], t.nearestEnemyByX[i], t.nearestEnemyByY[i], bestX, bestY);
        const int32_t target = bestX <= bestY ? t.nearestEnemyByX[i] : t.nearestEnemyByY[i];
        if (ValidSlot(target, kEnemySlots)) {
            t.targetIndex[i] = target;
            t.targetX[i] = enemy.x[target];
            t.targetY[i] = enemy.y[target];
        }
    } else {
        noEnemies = 1;
    }

    int32_t& stepX = engine.stepTakenX;
    int32_t& stepY = engine.stepTakenY;
    stepX = 0;
    stepY = 0;
    const int32_t chase = rules.chaseStep, back = rules.returnStep;

    // X axis.
    if (!t.returningX[i]) {
        const int32_t before = t.x[i];
        if (anyEnemy) {
            const int32_t dx = t.targetX[i] - t.x[i];
            if (dx > t.keepOffX[i] + kChaseSlack) {
                t.x[i] += chase;
                flags.right = 1;
            }
            if (dx < -kChaseSlack - t.keepOffX[i]) {
                t.x[i] -= chase;
                flags.left = 1;
            }
        }
        const int32_t sx = shipWorldX - t.x[i];
        if (sx > kLeashX) {
            t.x[i] = before + back;
            t.returningX[i] = 1;
            flags.right = 1;
        } else if (sx < -kLeashX) {
            t.x[i] = before - back;
            t.returningX[i] = 1;
            flags.left = 1;
        }
        stepX = t.x[i] - before;
    } else {
        const int32_t sx = shipWorldX - t.x[i];
        t.returningX[i] = 0;
        if (sx > t.leashX[i]) {
            t.x[i] += back;
            stepX += back;
            t.returningX[i] = 1;
            flags.right = 1;
        } else if (sx < -t.leashX[i]) {
            t.x[i] -= back;
            stepX -= back;
            t.returningX[i] = 1;
            flags.left = 1;
        }
    }

    // Y axis.
    if (!t.returningY[i]) {
        const int32_t before = t.y[i];
        if (anyEnemy) {
            const int32_t dy = t.targetY[i] - t.y[i];
            if (dy > t.keepOffY[i] + kChaseSlack) {
                t.y[i] += chase;
                flags.down = 1;
            }
            if (dy < -kChaseSlack - t.keepOffY[i]) {
                t.y[i] -= chase;
                flags.up = 1;
            }
        }
        const int32_t sy = shipWorldY - t.y[i];
        if (sy > kLeashY) {
            t.y[i] = before + back;
            t.returningY[i] = 1;
            flags.down = 1;
        } else if (sy < -kLeashY) {
            t.y[i] = before - back;
            t.returningY[i] = 1;
            flags.up = 1;
        }
        stepY = t.y[i] - before;
    } else {
        const int32_t sy = shipWorldY - t.y[i];
        t.returningY[i] = 0;
        if (sy > t.leashY[i]) {
            t.y[i] += back;
            stepY += back;
            t.returningY[i] = 1;
            flags.down = 1;
        } else if (sy < -t.leashY[i]) {
            t.y[i] -= back;
            stepY -= back;
            t.returningY[i] = 1;
            flags.up = 1;
        }
    }

    // Far behind: jump most of the way back.
    if (t.returningX[i] || t.returningY[i]) {
        const int32_t sx = shipWorldX - t.x[i];
        const int32_t sy = shipWorldY - t.y[i];
        if (sx > kJumpBeyondX) {
            t.x[i] += kJump;
            stepX += kJump;
        } else if (sx < -kJumpBeyondX) {
            t.x[i] -= kJump;
            stepX -= kJump;
        }
        if (sy > kJumpBeyondY) {
            t.y[i] += kJump;
            stepY += kJump;
        } else if (sy < -kJumpBeyondY) {
            t.y[i] -= kJump;
            stepY -= kJump;
        }
    }

    // Idle: spread out from the ship until the leash pulls back.
    if (noEnemies && stepX == 0 && stepY == 0) {
        const int32_t sx = shipWorldX - t.x[i];
        const int32_t sy = shipWorldY - t.y[i];
        const int32_t idle = rules.idleStep;
        if (sx > kIdleMargin) {
            t.x[i] -= idle;
            stepX -= idle;
            flags.left = 1;
        } else if (sx < -kIdleMargin) {
            t.x[i] += idle;
            stepX += idle;
            flags.right = 1;
        }
        if (sy > kIdleMargin) {
            t.y[i] -= idle;
            stepY -= idle;
            flags.up = 1;
        } else if (sy < -kIdleMargin) {
            t.y[i] += idle;
            stepY += idle;
            flags.down = 1;
        }
    }
}

// Undo this frame's step when it pushed the unit onto the enemy it chases.
template <typename Table>
void UndoEscortOverlap(const BattleEngine& engine, Table& t, int i, int32_t w, int32_t h) {
    const int32_t e = t.targetIndex[i];
    if (!ValidSlot(e, kEnemySlots) || !engine.enemy.active[e]) return;
    if (BoxesOverlap(t.x[i], t.y[i], w, h, engine.enemy.x[e], engine.enemy.y[e], engine.enemy.w[e],
                     engine.enemy.h[e])) {
        t.x[i] -= engine.stepTakenX;
        t.y[i] -= engine.stepTakenY;
    }
}

}  // namespace

void BattleEngine::ChooseEnemyTarget(int e, int32_t shipWorldX, int32_t shipWorldY, const LivePoints& robots,
                                     const LivePoints& allies) {
    const int32_t adx = std::abs(shipWorldX - enemy.x[e]);
    const int32_t ady = std::abs(shipWorldY - enemy.y[e]);

    int32_t bx, by, ax, ay;
    NearestByAxis(robots, enemy.x[e], enemy.y[e], enemy.nearestRobotByX[e], enemy.nearestRobotByY[e], bx, by);
    NearestByAxis(allies, enemy.x[e], enemy.y[e], enemy.nearestAllyByX[e], enemy.nearestAllyByY[e], ax, ay);

    enemy.targetsAlly[e] = 0;
    if (ax < bx && ay < by) {
        bx = ax;
        by = ay;
        enemy.nearestRobotByX[e] = enemy.nearestAllyByX[e];
        enemy.nearestRobotByY[e] = enemy.nearestAllyByY[e];
        enemy.targetsAlly[e] = 1;
    }

    enemy.targetsShip[e] = 0;
    if (adx < bx + kShipTargetMargin && ady < by + kShipTargetMargin) {
        enemy.targetsShip[e] = 1;
        enemy.targetsAlly[e] = 0;
        // The centre of the ship as drawn, slid off-centre at an area edge.
        enemy.targetX[e] = shipWorldX + offsetRight - offsetLeft + kShipHalf;
        enemy.targetY[e] = shipWorldY + offsetDown - offsetUp + kShipHalf;
        enemy.targetIndex[e] = kTargetIsShip;
        return;
    }

    if (enemy.targetsAlly[e]) {
        const int32_t a = enemy.nearestAllyByX[e];
        if (ValidSlot(a, kAllySlots)) {
            enemy.targetX[e] = ally.x[a];
            enemy.targetY[e] = ally.y[a];
            enemy.targetIndex[e] = a;
        }
        return;
    }

    const int32_t r = bx <= by ? enemy.nearestRobotByX[e] : enemy.nearestRobotByY[e];
    if (ValidSlot(r, kRobotSlots)) {
        enemy.targetX[e] = robot.x[r];
        enemy.targetY[e] = robot.y[r];
        enemy.targetIndex[e] = r;
    }
}

void BattleEngine::MoveEnemy(int e, uint8_t s50, uint8_t s70) {
    stepTakenX = 0;
    stepTakenY = 0;
    const int32_t dx = enemy.targetX[e] - enemy.x[e];
    const int32_t dy = enemy.targetY[e] - enemy.y[e];
    const int32_t keepX = enemy.keepOffX[e], keepY = enemy.keepOffY[e];

    // Chase, unless the enemy was sidestepping last frame.
    if (!enemy.sidestepping[e]) {
        enemy.movedThisFrame[e] = 0;
        if (dx > keepX) {
            stepTakenX += s70;
            moveRight = 1;
        }
        if (dx < -keepX) {
            stepTakenX -= s70;
            moveLeft = 1;
        }
        if (dy > keepY) {
            stepTakenY += s70;
            moveDown = 1;
        }
        if (dy < -keepY) {
            stepTakenY -= s70;
            moveUp = 1;
        }
        if (dx > keepX || dx < -keepX || dy > keepY || dy < -keepY) enemy.movedThisFrame[e] = 1;
        enemy.x[e] += stepTakenX;
        enemy.y[e] += stepTakenY;
    }

    enemy.sidestepping[e] = 0;

    // Sidestep while the shared ticker is below this enemy's chance.
    if (!enemy.movedThisFrame[e] && enemy.sidestepChance[e] > sidestepTicker) {
        int32_t sideX = 0, sideY = 0, moves = 0;
        if (enemy.sidestepX[e]) {
            if (dx > keepX - kSidestepReach) {
                sideX -= s50;
                moveLeft = 1;
                ++moves;
            }
            if (dx < kSidestepReach - keepX) {
                sideX += s50;
                moveRight = 1;
                ++moves;
            }
        }
        if (enemy.sidestepY[e]) {
            if (dy > keepY - kSidestepReach) {
                sideY -= s50;
                moveUp = 1;
                ++moves;
            }
            if (dy < kSidestepReach - keepY) {
                sideY += s50;
                moveDown = 1;
                ++moves;
            }
        }
        if (moves > 0) {
            enemy.x[e] += sideX;
            enemy.y[e] += sideY;
            stepTakenX += sideX;
            stepTakenY += sideY;
            enemy.sidestepping[e] = 1;
            const int travelled = enemy.sidestepTravelled[e] + moves * s50;
            enemy.sidestepTravelled[e] = static_cast<uint8_t>(std::min(travelled, 255));
            if (travelled > kSidestepLength) {
                enemy.sidestepTravelled[e] = 0;
                enemy.sidestepping[e] = 0;
            }
        }
    }

    // Keep enemies near the area.
    if (enemy.x[e] > AreaBounds[kBoundXMax] + kEnemyBoundRight || enemy.x[e] < AreaBounds[kBoundXMin] - kEnemyBoundLeft) {
        enemy.x[e] -= stepTakenX;
    }
    if (enemy.y[e] < AreaBounds[kBoundYMin] - kEnemyBoundVertical ||
        enemy.y[e] > AreaBounds[kBoundYMax] + kEnemyBoundVertical) {
        enemy.y[e] -= stepTakenY;
    }

    UndoEnemyOverlap(e);
}

void BattleEngine::UndoEnemyOverlap(int e) {
    // Only the robot or ally this enemy chases is tested, and only a live one.
    if (enemy.targetsShip[e]) return;
    const int32_t t = enemy.targetIndex[e];
    int32_t ux, uy, uw, uh;
    if (enemy.targetsAlly[e]) {
        if (!ValidSlot(t, kAllySlots) || !ally.active[t]) return;
        ux = ally.x[t];
        uy = ally.y[t];
        uw = ally.w[t] ? ally.w[t] : kRobotSize;
        uh = ally.h[t] ? ally.h[t] : kRobotSize;
    } else {
        if (!ValidSlot(t, kRobotSlots) || !robot.active[t]) return;
        ux = robot.x[t];
        uy = robot.y[t];
        uw = uh = kRobotSize;
    }
    if (BoxesOverlap(enemy.x[e], enemy.y[e], enemy.w[e], enemy.h[e], ux, uy, uw, uh)) {
        enemy.x[e] -= stepTakenX;
        enemy.y[e] -= stepTakenY;
    }
}

void BattleEngine::ThinkEnemies(int32_t camX, int32_t camY, uint8_t s50, uint8_t s70) {
    const int32_t shipWorldX = shipX + camX;
    const int32_t shipWorldY = shipY + camY;
    // Robots and allies hold still while the enemies think.
    LivePoints robots, allies;
    robots.Collect(robot, kRobotSlots);
    allies.Collect(ally, kAllySlots);
    // Cleared once: the flags add up over the pass, so a turning enemy also
    // reads the moves of the enemies before it.
    moveUp = moveDown = moveRight = moveLeft = 0;
    for (int e = 0; e < kEnemySlots; ++e) {
        if (!enemy.active[e]) continue;
        ChooseEnemyTarget(e, shipWorldX, shipWorldY, robots, allies);
        if (!enemy.mobile[e]) continue;
        MoveEnemy(e, s50, s70);
        if (enemy.faceRequest[e]) {
            enemy.faceRequest[e] = 0;
            FaceFromFlags(enemy.facing[e]);
        }
    }
}

void BattleEngine::FaceFromFlags(uint8_t& facing) const {
    MoveFlags flags;
    flags.up = moveUp;
    flags.down = moveDown;
    flags.right = moveRight;
    flags.left = moveLeft;
    FaceFrom(flags, facing);
}

void BattleEngine::ThinkRobots(int32_t camX, int32_t camY, uint8_t s70, uint8_t s210) {
    if (newRobotPending) {
        newRobotFlown += s70;
        newRobotX += s70;
        if (newRobotFlown > 140) {
            newRobotPending = 0;
            if (newRobotSlot < kRobotSlots) {
                robot.x[newRobotSlot] = newRobotX;
                robot.y[newRobotSlot] = newRobotY;
            }
        }
    }

    noEnemiesRobots = 0;
    const EscortRules rules{s70, s210, s70};
    const int32_t shipWorldX = shipX + camX;
    const int32_t shipWorldY = shipY + camY;
    // Enemies hold still while the escorts think.
    LivePoints enemies;
    enemies.Collect(enemy, kEnemySlots);
    MoveFlags flags;  // cleared once and carried from one robot to the next
    for (int i = 0; i < kRobotSlots; ++i) {
        if (!robot.exists[i] || !robot.active[i]) continue;
        ThinkEscort(*this, enemies, robot, i, rules, shipWorldX, shipWorldY, noEnemiesRobots, flags);
        UndoEscortOverlap(*this, robot, i, kRobotSize, kRobotSize);
        moveUp = flags.up;
        moveDown = flags.down;
        moveRight = flags.right;
        moveLeft = flags.left;
        FaceFrom(flags, robot.facing[i]);
    }
}

void BattleEngine::ThinkAllies(int32_t camX, int32_t camY, uint8_t s70, uint8_t s210) {
    noEnemiesAllies = 0;
    const EscortRules rules{s210, s210, s70};
    const int32_t shipWorldX = shipX + camX;
    const int32_t shipWorldY = shipY + camY;
    LivePoints enemies;
    enemies.Collect(enemy, kEnemySlots);
    MoveFlags flags;  // carried from one ally to the next, as for robots
    for (int i = 0; i < kDrivenAllySlots; ++i) {
        if (!ally.exists[i] || !ally.active[i]) continue;
        ThinkEscort(*this, enemies, ally, i, rules, shipWorldX, shipWorldY, noEnemiesAllies, flags);
        UndoEscortOverlap(*this, ally, i, ally.w[i] ? ally.w[i] : kRobotSize, ally.h[i] ? ally.h[i] : kRobotSize);
        moveUp = flags.up;
        moveDown = flags.down;
        moveRight = flags.right;
        moveLeft = flags.left;
        // Allies turn once per fire cycle of their group.
        const int group = ally.fireGroup[i];
        if (group >= 1 && group <= 3 && robotFireTimers[group - 1] == 1) FaceFrom(flags, ally.facing[i]);
    }
}
