#include "controls/interlocking.h"

#include <string>

#include "controls/track_queries.h"
#include "framework/messages.h"
#include "framework/text_grid.h"
#include "model/lever_names.h"

namespace kv41 {

namespace {

constexpr int ExchangeDeparture = -6;

// Every check below reports its failure through `report`, or says nothing when it is null (the
// automatic signalman asking whether a move would pass).
void LockError(GameState* report, int lever, bool mustBeNormal) {
    if (!report) return;
    ShowError(*report, "Interlocking error - lever " + TwoDigits(lever) + " must be " +
                           (mustBeNormal ? "normal" : "reversed"));
}

// One locking entry: +n lever n must stand normal, -n reversed. Entries naming no lever of the
// frame are no condition at all.
bool LockEntryHolds(const GameState& g, GameState* report, int entry) {
    int lever = entry < 0 ? -entry : entry;
    if (lever < 1 || lever > LeverCount) return true;
    if (entry > 0 && IsReversed(g, lever)) {
        LockError(report, lever, true);
        return false;
    }
    if (entry < 0 && IsNormal(g, lever)) {
        LockError(report, lever, false);
        return false;
    }
    return true;
}

bool LocksHold(const GameState& g, GameState* report, const std::array<int32_t, 6>& row) {
    for (int entry : row)
        if (!LockEntryHolds(g, report, entry)) return false;
    return true;
}

bool SectionClear(const GameState& g, GameState* report, int section) {
    if (section < 1 || section > MaxSections || !Occupied(g, section)) return true;
    if (report)
        LosePoints(*report, 1,
                   "interlocking error - track circuit " + g.SectName[section] + " not clear");
    return false;
}

// The sections between our last signal and box `box`: a train still on them holds the line
// even when the box has answered train entering section.
bool LineAheadOccupied(const GameState& g, int box) {
    switch (box) {
    case 1: return AnyOccupied(g, {15, 16});
    case 2: return AnyOccupied(g, {12, 22, 23, 24, 25, 26, 27});
    case 3: return AnyOccupied(g, {35, 36, 37, 38, 39});
    case 4: return AnyOccupied(g, {35, 36, 37, 40, 41, 42});
    default: return true;
    }
}

// A yard departure that crosses onto the down line blocks it back towards the box in rear:
// allowed only while that box's train is on line and has cleared the lines it would use.
bool BlockBackAllowed(const GameState& g, GameState* report) {
    int box = IsNormal(g, 39) ? 3 : 4;
    bool watchedOccupied =
        box == 3 ? AnyOccupied(g, {8, 7, 3, 2, 43, 1}) : AnyOccupied(g, {8, 7, 38, 6, 5, 4});
    int incoming = IncomingBlock(g, box);
    if (incoming == LineBlocked || (incoming == TrainOnLine && watchedOccupied)) {
        if (report) LosePoints(*report, 1, "no permission to block back to " + g.BoxName[box]);
        return false;
    }
    return true;
}

bool LineClearFrom(const GameState& g, GameState* report, int box) {
    if (LineFreeTowards(g, box)) return true;
    if (report) LosePoints(*report, 1, "line clear not given by " + g.BoxName[box]);
    return false;
}

bool TrackEntryHolds(const GameState& g, GameState* report, int entry) {
    if (entry > 0) return SectionClear(g, report, entry);
    if (entry >= -BoxCount && entry <= -1) return LineClearFrom(g, report, -entry);
    if (entry != ExchangeDeparture) return true;
    if (IsNormal(g, 33)) return BlockBackAllowed(g, report);
    // Out across the south crossover onto the up line: the loop points decide the box ahead.
    if (IsNormal(g, 34)) {
        LockError(report, 34, false);
        return false;
    }
    if (IsNormal(g, 35)) return LineClearFrom(g, report, 3);
    if (IsNormal(g, 36)) {
        LockError(report, 36, false);
        return false;
    }
    return LineClearFrom(g, report, 4);
}

bool PullChecks(const GameState& g, GameState* report, int lever) {
    if (lever < 1 || lever > LeverCount) return false;
    if (lever == Levers::DownMainToExchangeSidingsHome && !g.YardClear) {
        if (report) LosePoints(*report, 2, "routing train to yard without permission");
        return false;
    }
    if (!LocksHold(g, report, g.LeverPullLock[lever])) return false;
    for (int entry : g.LeverPullTrack[lever])
        if (!TrackEntryHolds(g, report, entry)) return false;
    return true;
}

bool RestoreChecks(const GameState& g, GameState* report, int lever) {
    if (lever < 1 || lever > LeverCount) return false;
    if (!LocksHold(g, report, g.LeverRestoreLock[lever])) return false;
    for (int entry : g.LeverRestoreTrack[lever])
        if (entry > 0 && !SectionClear(g, report, entry)) return false;
    return true;
}

}  // namespace

bool LineFreeTowards(const GameState& g, int box) {
    if (box < 1 || box > BoxCount) return false;
    int outgoing = OutgoingBlock(g, box);
    return outgoing == LineClear || (outgoing == TrainOnLine && !LineAheadOccupied(g, box));
}

bool PullChecksPass(GameState& g, int lever) {
    return PullChecks(g, &g, lever);
}

bool RestoreChecksPass(GameState& g, int lever) {
    return RestoreChecks(g, &g, lever);
}

bool PullWouldPass(const GameState& g, int lever) {
    return PullChecks(g, nullptr, lever);
}

bool RestoreWouldPass(const GameState& g, int lever) {
    return RestoreChecks(g, nullptr, lever);
}

}  // namespace kv41
