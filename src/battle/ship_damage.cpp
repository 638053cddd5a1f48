// The ship's damage chain: typed extra, defence, particle shields, shields
// shared with hard shields, the armor share, extra armor and armor shared
// with hard armor.
#include "battle/ship_damage.h"

namespace {

constexpr uint32_t kDefenceThresholds[14] = {10, 22, 35, 47, 60, 80, 110, 150, 200, 260, 320, 400, 500, 1000};

void WearDown(uint32_t& value) {
    if (value != 0) --value;
}

// A carry point goes to the first of the two that still holds something.
void GiveCarry(uint32_t carry, uint32_t& first, uint32_t& second) {
    if (carry == 0) return;
    if (first != 0) {
        --first;
    } else if (second != 0) {
        --second;
    }
}

// Shields and hard shields share d. Returns what reaches the armor.
uint32_t ShieldStage(ShipDefences& ship, uint32_t d) {
    uint32_t& h = ship.hardShields;
    uint32_t& s = ship.shields;
    if (h == 0) {
        Absorb(s, d);
        return d;
    }
    const uint32_t half = d / 2;
    const uint32_t carry = d % 2;
    if (h <= s) {
        if (h >= half) {
            h -= half;
            s -= half;
            GiveCarry(carry, h, s);
            return 0;
        }
        // The even part pays 2H; the odd point is dealt with on its own.
        s -= h;
        d = 2 * (half - h);
        h = 0;
        if (carry != 0) {
            if (s != 0) {
                --s;
            } else {
                ++d;
            }
        }
        Absorb(s, d);
        return d;
    }
    if (s >= half) {
        s -= half;
        h -= half;
        GiveCarry(carry, h, s);
        return 0;
    }
    h -= s;
    d = 2 * (half - s) + carry;
    s = 0;
    return d;
}

// Armor and hard armor share d; `carry` is the point left by the share.
void ArmorStage(ShipDefences& ship, uint32_t d, uint32_t carry) {
    uint32_t& ha = ship.hardArmor;
    uint32_t& a = ship.armor;
    if (ha != 0) {
        const uint32_t half = d / 2;
        carry = d % 2;
        if (ha <= a) {
            if (ha >= half) {
                ha -= half;
                a -= half;
                d = 0;
                GiveCarry(carry, ha, a);
            } else {
                // Hard armor takes what it holds, armor the rest; the odd
                // point is counted once.
                const uint32_t loss = 2 * half - ha;
                a = a > loss ? a - loss : 0;
                ha = 0;
                d = 0;
                if (carry != 0 && a != 0) --a;
            }
        } else if (a >= half) {
            a -= half;
            ha -= half;
            d = 0;
            GiveCarry(carry, ha, a);
        } else {
            ha -= a;
            d = 2 * (half - a) + carry;
            a = 0;
        }
        carry = 0;
    }
    if (ha == 0) {
        ship.armorGlow = 0;
        if (a >= d) {
            a -= d;
            if (carry != 0 && a != 0) --a;
        } else {
            a = 0;
        }
    }
}

}  // namespace

void Absorb(uint32_t& value, uint32_t& damage) {
    if (value >= damage) {
        value -= damage;
        damage = 0;
    } else {
        damage -= value;
        value = 0;
    }
}

uint32_t AfterDefence(uint32_t damage, uint32_t defence) {
    for (uint32_t threshold : kDefenceThresholds) {
        if (defence > threshold && damage > 0) --damage;
    }
    return damage;
}

void ApplyShipHit(ShipDefences& ship, uint32_t damage, uint8_t damageType) {
    ship.shieldStageRan = ship.armorStageRan = ship.particleAbsorbed = 0;
    uint32_t d = damage;

    uint32_t extra = 0;
    if (damageType >= 1 && damageType <= 3) {
        const uint64_t needed = 5ull * d + 5;
        const uint64_t held = static_cast<uint64_t>(ship.protection[damageType - 1]) + ship.shipProtection;
        extra = held >= needed ? 0 : static_cast<uint32_t>(needed - held);
        WearDown(ship.shipProtection);
    }
    d = AfterDefence(d, ship.defence);
    d += extra;
    if (d == 0) d = 1;

    if (ship.particleShields != 0) {
        ship.particleAbsorbed = 1;
        Absorb(ship.particleShields, d);
    }
    if (d != 0) WearDown(ship.shieldsRecharge);

    if (d != 0 && ship.shields != 0) {
        ship.shieldStageRan = 1;
        d = ShieldStage(ship, d);
    }

    // The armor takes a third, rounded up by a carry point.
    uint32_t carry = 0;
    if (d != 0) {
        carry = d % 3 != 0 ? 1 : 0;
        d /= 3;
        if (d == 0) {
            d = 1;
            carry = 0;
        }
    }

    if (d != 0 && ship.extraArmor != 0) {
        if (ship.extraArmor >= d) {
            ship.extraArmor -= d;
            d = 0;
            if (carry != 0 && ship.extraArmor != 0) --ship.extraArmor;
        } else {
            d -= ship.extraArmor;
            ship.extraArmor = 0;
        }
    }

    if (d != 0 && ship.armor != 0) {
        ship.armorStageRan = 1;
        ArmorStage(ship, d, carry);
    }
}
