#pragma once
// What the panel drawing remembers between paints, and the click regions of the panel.
#include "model/railway_tables.h"

namespace kv41 {

constexpr int MaxHitRegions = 20;
constexpr int HitRegionSets = 1;

// A rectangle of panel cells, borders included, and the action code a click in it gives.
struct HitRegion {
    int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int32_t Set = 0;
    int32_t Code = 0;
};

// A part of the panel that the keyboard has selected.
enum class FocusKind : int32_t { None, Lever, BoxName, Plunger, Commutator };
struct FocusPart {
    FocusKind Kind = FocusKind::None;
    int32_t Index = 0;  // the lever or the box
    bool operator==(const FocusPart&) const = default;
};

struct PanelState {
    // The instrument states last drawn, so that a paint redraws only what changed.
    Table<std::array<uint8_t, 2>, BoxCount> BoxInstrumentDrawn{};
    int32_t YardSignDrawn = -1;
    // Likewise per box the bell code shown plus one (0: not drawn yet), per section whether
    // its lamps show it occupied, and per lever whether it stands normal or reversed.
    Table<int32_t, BoxCount> BellDrawn{};
    Table<uint8_t, MaxSections> LampDrawn{};
    Table<uint8_t, LeverCount> LeverDrawn{};
    // Per box, the step at which the box was last seen answering the signalman's call
    // attention, counted in tenths of a minute from a day before the clock's earliest time;
    // 0 when never.
    Table<int32_t, BoxCount> AttentionAnswerSeen{};

    // Click regions, in the order they were added; per set its first and last region.
    Table<HitRegion, MaxHitRegions> HitRegions{};
    int32_t HitRegionCount = 0;
    Table<std::array<int32_t, 2>, HitRegionSets> HitRange{};

    // The keyboard: the part it has selected and where its mark was last drawn, the lever
    // number being typed (digits typed so far), and whether the click now pending was given by
    // a key.
    FocusPart KeyFocus{};
    FocusPart KeyFocusDrawn{};
    int32_t KeyDigits = 0;
    int32_t KeyDigitCount = 0;
    bool ClickByKey = false;
};

}  // namespace kv41
