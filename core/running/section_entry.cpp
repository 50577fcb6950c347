// The rules applied as the head of a train enters a section, and the timing and overtaking
// checks.
#include "running/section_entry.h"

#include <string>

#include "controls/track_queries.h"
#include "framework/messages.h"
#include "framework/sounds.h"
#include "game_state.h"
#include "model/clock.h"
#include "model/lever_names.h"
#include "running/boxes.h"
#include "running/train_movement.h"
#include "running/yard.h"

namespace kv41 {
namespace {

using namespace Levers;

constexpr int WrongRoutePoints = 10;
constexpr int OvertakingPoints = 3;
// Trains leaving the exchange sidings are made up in the yard and get more time.
constexpr int FromSidingsAllowance = 10;

std::string Booked(const GameState& g, int train) {
    return FormatClock(g.TrainDue[train]);
}

// The booked time as a plain number of minutes, as the overtaking bonus writes it.
std::string BookedMinutes(const GameState& g, int train) {
    return std::to_string(g.TrainDue[train]).substr(0, 5);
}

void WrongRoute(GameState& g, int train, std::string_view before, std::string_view after,
                int blockSect) {
    LosePoints(g, WrongRoutePoints, std::string(before) + Booked(g, train) + std::string(after));
    BlockRoute(g, blockSect);
}

// The distant signal off for a fast train as it passes: the signalman gave it a clear road.
void ClearRoadBonus(GameState& g, int train, int distantLever, std::string_view direction) {
    int trainClass = g.TrainClass[train];
    if (trainClass < 1 || trainClass > 8 || trainClass == 5 || !IsReversed(g, distantLever)) return;
    std::string booked = Booked(g, train);
    std::string giving = "giving " + std::string(direction) + booked;
    if (trainClass == 1) {
        GainPoints(g, 3, giving + " express a clear road");
    } else if (trainClass <= 4) {
        GainPoints(g, 2, giving + " passenger a clear road");
    } else {
        GainPoints(g, 1, giving + " fast goods a clear road");
    }
}

// Down main towards the exchange sidings (section 7 onto 8).
void EnterSidingsApproach(GameState& g, int train) {
    if (g.SectNext[7] != 8) return;
    int trainClass = g.TrainClass[train];
    if (trainClass >= 1 && trainClass <= 4 && IsReversed(g, DownMainToExchangeSidingsHome)) {
        WrongRoute(g, train, "trying to route non-freight ", " train to sidings", 8);
    }
    if (g.SectNext[7] == 8 && g.TrainTo[train] == YardLine && IsReversed(g, DownMainInnerHome)) {
        WrongRoute(g, train, "not routing terminating ", " train to sidings", 8);
    }
}

void EnterDownPlatform(GameState& g, int train) {
    int to = g.TrainTo[train];
    if (to == 2 && g.TrainClass[train] == 2) g.SectLimit[DownPlatformSect] = 0;
    if (to == 1 && IsReversed(g, DownMainToDownBranchStarter)) {
        WrongRoute(g, train, "trying to route ", " Pellingford train to Brenley", DownPlatformSect);
    }
    if (to == 2 && IsReversed(g, DownMainStarter)) {
        WrongRoute(g, train, "trying to route ", " Brenley train to Pellingford", DownPlatformSect);
    }
}

void EnterBranchToSidings(GameState& g, int train) {
    int trainClass = g.TrainClass[train];
    if (g.SectNext[25] == 24 && trainClass >= 1 && trainClass <= 5 &&
        IsReversed(g, UpBranchToDownSidings)) {
        WrongRoute(g, train, "trying to route non-freight ", " train to sidings", 25);
    }
}

void EnterUpStarterSection(GameState& g, int train) {
    int to = g.TrainTo[train];
    if (to == 4 && IsReversed(g, UpStarterToLmsLoop)) {
        WrongRoute(g, train, "trying to route ", " Hollowmere train to Radlow Rd", 34);
    }
    if (to == 5 && IsReversed(g, UpStarter)) {
        WrongRoute(g, train, "trying to route ", " Radlow Rd train to Hollowmere", 34);
    }
    if (to == 3 && IsReversed(g, UpStarter)) {
        WrongRoute(g, train, "trying to route ", " Exch Sdgs train to Hollowmere", 34);
    }
}

void EnterSouthEnd(GameState& g, int train) {
    int to = g.TrainTo[train];
    if (to == 4) {
        IdentifyTrainToBox(g, 3, train);
    } else if (to == 5) {
        IdentifyTrainToBox(g, 4, train);
    } else if (g.SectNext[36] == 8 && to == YardLine && IsReversed(g, DownMainInnerHome)) {
        WrongRoute(g, train, "not routing terminating ", " train to sidings", 8);
    }
}

// The yard sets the route inside the sidings for a train that reaches their entry.
void ReceiveIntoSidings(GameState& g, int train) {
    if (g.SectNext[SidingsEntrySect] != 0) {
        // A departure leaving the sidings: the line's next departure can be chosen.
        if (g.LineTrains[YardLine][0] == train) AdvanceLine(g, YardLine);
        MarkYardBusy(g);
        return;
    }
    MarkYardBusy(g);
    const std::string& dest = g.TrainDest[train];
    if (g.TrainTo[train] == YardLine && (dest.empty() || dest[0] != 'D')) {
        g.SectNext[SidingsEntrySect] = YardRoadSect;
        g.SectLimit[YardRoadSect] = 10;
        g.SectNext[YardRoadSect] = 0;
    } else if (g.SectTrain[DownSidingTwoSect] == 0) {
        g.SectNext[SidingsEntrySect] = DownSidingTwoSect;
        g.SectLimit[DownSidingTwoSect] = 0;
    } else {
        g.SectNext[SidingsEntrySect] = DownSidingOneSect;
        g.SectLimit[DownSidingOneSect] = 0;
    }
}

}  // namespace

void BlockRoute(GameState& g, int sect) {
    g.SectNext[sect] = 0;
    g.SectLimit[sect] = 0;
    PlayWhistle(g);
}

void SectionEntryRules(GameState& g, int sect, int train) {
    g.SectTrain[sect] = train;
    g.TrackLampsDirty = true;
    switch (sect) {
    case 2: ClearRoadBonus(g, train, DownDistant, "down "); break;
    case 30: ClearRoadBonus(g, train, UpDistant, "up "); break;
    case 7: EnterSidingsApproach(g, train); break;
    case DownPlatformSect: EnterDownPlatform(g, train); break;
    case 15: IdentifyTrainToBox(g, 1, train); break;
    case SidingsEntrySect: ReceiveIntoSidings(g, train); break;
    case 25: EnterBranchToSidings(g, train); break;
    case 26:
        if (g.TrainTo[train] == 2) IdentifyTrainToBox(g, 2, train);
        break;
    case UpPlatformSect:
        if (g.TrainFrom[train] == 2 && g.TrainClass[train] == 2) g.SectLimit[UpPlatformSect] = 0;
        break;
    case 34: EnterUpStarterSection(g, train); break;
    case 37: EnterSouthEnd(g, train); break;
    case 41:
        // Only Radlow Rd trains run on from here.
        if (g.TrainTo[train] != 5) {
            g.SectLimit[41] = 0;
            g.SectNext[41] = 0;
        }
        break;
    default: break;
    }
}

int DelayAllowance(const GameState& g, int train) {
    int d = 6 - g.Difficulty / 5;
    int trainClass = g.TrainClass[train];
    int allowance;
    if (trainClass <= 2) {
        allowance = d / 2;
    } else if (trainClass <= 4) {
        allowance = d + 3;
    } else if (trainClass <= 8) {
        // No class 5 train runs; it would be a freight like classes 6 to 8.
        allowance = 2 * d + 10;
    } else {
        allowance = 2 * d + 20;
    }
    if (g.TrainFrom[train] == YardLine) allowance += FromSidingsAllowance;
    return allowance;
}

void DelayCheck(GameState& g, int train) {
    int excess = g.ClockNow - g.TrainDue[train] - g.TrainLate[train] - DelayAllowance(g, train);
    if (excess > 0) {
        LosePoints(g, excess, "delaying " + Booked(g, train) + " from " + g.TrainOrigin[train]);
    }
}

bool Overtaking(const GameState& g, int train) {
    int slower = g.SectTrain[DownSidingOneSect];
    if (!IsTrain(g, train) || !IsTrain(g, slower) || slower == train) return false;
    if (g.TrainTo[slower] != g.TrainTo[train] || g.TrainFrom[slower] == YardLine) return false;
    int fast = g.TrainClass[train];
    int slow = g.TrainClass[slower];
    return (fast <= 4 && slow > 4) || (fast < 9 && slow >= 9);
}

bool OvertakingCheck(GameState& g, int train) {
    if (!Overtaking(g, train)) return false;
    int slower = g.SectTrain[DownSidingOneSect];
    GainPoints(g, OvertakingPoints,
               BookedMinutes(g, train) + "overtaking slower " + BookedMinutes(g, slower) +
                   " train in siding");
    return true;
}

void DeriveOvertakingPaid(GameState& g) {
    g.OvertakingPaidAt.fill(0);
    for (int t = 1; t <= g.TrainCount; ++t) {
        const int sect = g.TrainSect[t];
        const bool atPlatformEnd =
            (sect == DownPlatformSect || sect == UpPlatformSect) && g.TrainToGo[t] == 0 &&
            (g.TrainState[t] == TrainRunning || g.TrainState[t] == TrainStanding);
        if (atPlatformEnd && Overtaking(g, t)) g.OvertakingPaidAt[t] = sect;
    }
}

}  // namespace kv41
