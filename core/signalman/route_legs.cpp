#include "signalman/route_legs.h"

#include "controls/routes.h"
#include "controls/track_queries.h"
#include "game_state.h"
#include "running/yard.h"
#include "signalman/overtaking.h"
#include "signalman/trains_in_hand.h"

namespace kv41 {

namespace {

constexpr int C = Coming;

// Down trains from Hollowmer Jn: the down main home, inner home, starter, advanced starter and
// distant to Pellingford; the starter to the branch; the exchange sidings home.
// The route at section 7 is judged by the homes ahead: a passenger train must not find the
// exchange sidings home off, nor a train for the sidings the inner home.
constexpr Leg DownHome{50, {}, {C, 1, 43, 2, 3, 7}, {3, 7, 8}, 0, {43, 39}};
constexpr Leg DownHomeForYard{50, {}, {C, 1, 43, 2, 3, 7}, {3, 7, 8}, 0, {48, 39}};
constexpr Leg DownInnerHome{48, {38}, {C, 1, 43, 2, 3, 7, 8, 9}, {9, 11}};
constexpr Leg DownStarter{47,           {25}, {C, 1, 43, 2, 3, 7, 8, 9, 11, 12, 13},
                          {12, 13, 14}, 0,    {24, 21}};
constexpr Leg DownAdvanced{46, {}, {C, 1, 43, 2, 3, 7, 8, 9, 11, 12, 13, 14, 15}, {15, 16}};
constexpr Leg DownDistant{51, {}, {C, 1, 43}, {}};
constexpr Leg DownBranchStarter{42,
                                {24, 25, 23},
                                {C, 1, 43, 2, 3, 7, 8, 9, 11, 12, 22, 23, 24, 25},
                                {12, 22, 23, 24, 25, 26, 27}};
constexpr Leg DownToYard{43, {32, 38}, {C, 1, 43, 2, 3, 7, 8, 9, 17}, {9, 17}};

// Down trains from Radlow Rd Jn come off the LMS loop into the exchange sidings.
constexpr Leg LoopHome{49, {35, 39}, {C, 4, 5, 6, 38, 7}, {6, 38, 7, 8}, 0, {48}};
constexpr Leg LoopToYard{43, {32, 38}, {C, 4, 5, 6, 38, 7, 8, 9, 17}, {9, 17}};

// Up trains from Pellingford: up home, up starter to Hollowmer or to the LMS loop, distant.
constexpr Leg UpHome{2, {}, {C, 29, 30, 31, 10, 32, 33}, {10, 32, 33, 34}, 0, {21}};
constexpr Leg UpStarter{
    4, {34}, {C, 29, 30, 31, 10, 32, 33, 34, 35, 36, 37, 38}, {35, 36, 37, 38, 39}, 0, {33, 35}};
constexpr Leg UpStarterLoop{
    6, {35, 36, 34}, {C, 29, 30, 31, 10, 32, 33, 34, 35, 36, 37, 40, 41}, {35, 36, 37, 40, 41}};
constexpr Leg UpDistant{1, {}, {C, 29}, {}};
// An up train for the exchange sidings runs into the LMS loop by leave of Radlow Rd Jn, and
// backs from there across the south crossover and into the sidings.
constexpr Leg UpIntoLoop{6,
                         {35, 36, 34},
                         {C, 29, 30, 31, 10, 32, 33, 34, 35, 36, 37, 40},
                         {35, 36, 37, 40, 41},
                         NeedsShuntForward};
constexpr Leg LoopBacking{45, {35, 36, 33, 44}, {41, 40, 37, 36}, {40, 37, 36, 8}, 0, {48}};
constexpr Leg BackIntoYard{43, {32, 38}, {41, 40, 37, 36, 8, 9, 17}, {9, 17}};

// Up trains off the branch: the up branch home to the up main or into the down sidings.
constexpr Leg BranchHome{
    3, {24, 15, 14, 21}, {C, 27, 26, 25, 24, 28, 13, 32, 33}, {24, 28, 13, 32, 33, 34}};
constexpr Leg BranchStarter{
    4, {34},    {C, 27, 26, 25, 24, 28, 13, 32, 33, 34, 35, 36, 37, 38}, {35, 36, 37, 38, 39},
    0, {33, 35}};
constexpr Leg BranchStarterLoop{6,
                                {35, 36, 34},
                                {C, 27, 26, 25, 24, 28, 13, 32, 33, 34, 35, 36, 37, 40},
                                {35, 36, 37, 40, 41, 42}};
constexpr Leg BranchToSidingOne{13, {14}, {C, 27, 26, 25, 24, 23, 21}, {24, 23, 21, 20}};
constexpr Leg BranchToSidingTwo{13, {28, 14}, {C, 27, 26, 25, 24, 23, 44}, {24, 23, 44, 19}};

// Departures from the exchange sidings and the down sidings, by the exchange sidings up
// starter: across the south crossover to Hollowmer or Radlow Rd, or out onto the LMS loop (the
// line from Radlow Rd blocked back, which keeps Hollowmer's line free) and from there back down
// the main to Pellingford.
// (The loop points decide which box the exchange sidings starter leads to.)
constexpr Leg YardToHollowmer{
    30, {33, 34, 32, 31}, {18, 19, 20, 17, 9, 8, 36, 37, 38}, {17, 9, 8, 36, 37, 38, 39}, 0, {35}};
constexpr Leg YardToRadlow{30,
                           {35, 36, 33, 34, 32, 31},
                           {18, 19, 20, 17, 9, 8, 36, 37, 40, 41},
                           {17, 9, 8, 36, 37, 40, 41, 42}};
constexpr Leg YardOntoLoop{30,
                           {35, 39, 32, 31},
                           {18, 19, 20, 17, 9, 8, 7, 38, 6},
                           {17, 9, 8, 7, 38, 6, 5},
                           NeedsBlockedBack,
                           {33}};
// Back off the loop onto the down main for Pellingford.
constexpr Leg LoopHomeToMain{49, {35, 39}, {5, 6, 38, 7}, {6, 38, 7, 8}, 0, {43, 33}};
constexpr Leg SidingOneToBranch{27, {26}, {20, 21, 23, 24, 25, 26}, {21, 23, 24, 25, 26, 27}};
constexpr Leg SidingTwoToBranch{29, {28}, {19, 44, 23, 24, 25, 26}, {44, 23, 24, 25, 26, 27}};

Route Of(std::initializer_list<const Leg*> legs) {
    Route r;
    for (const Leg* leg : legs) r.Legs[static_cast<std::size_t>(r.Count++)] = leg;
    return r;
}

bool HeadsFor(const GameState& g, int head, std::initializer_list<std::pair<int, int>> links) {
    for (auto [from, to] : links)
        if (head == from && g.SectNext[from] == to) return true;
    return false;
}

Route DownMain(int to) {
    switch (to) {
    case 1: return Of({&DownHome, &DownInnerHome, &DownStarter, &DownAdvanced, &DownDistant});
    case 2: return Of({&DownHome, &DownInnerHome, &DownBranchStarter});
    default: return Of({&DownHomeForYard, &DownToYard});
    }
}

Route FromYard(const GameState& g, int train, int head) {
    switch (g.TrainTo[train]) {
    case 4: return Of({&YardToHollowmer});
    case 5: return Of({&YardToRadlow});
    case 2: return Of({head == 19 ? &SidingTwoToBranch : &SidingOneToBranch});
    default: break;
    }
    // Out onto the loop towards Radlow Rd's home signal, then back down the main.
    // (Until the loop home is cleared for its return the loop still leads on to section 5.)
    bool outward =
        head == 18 || head == 19 || head == 20 || head == 17 ||
        (g.SectNext[6] == 5 && (head == 9 || head == 8 || head == 7 || head == 38 || head == 6));
    if (outward) return Of({&YardOntoLoop});
    return Of({&LoopHomeToMain, &DownInnerHome, &DownStarter, &DownAdvanced});
}

Route FromBranch(const GameState& g, int train) {
    // A slow train put aside runs into Down Siding No. 1 and out again across the south
    // crossover.
    if (PutAside(g, train))
        return Of({&BranchToSidingOne, g.TrainTo[train] == 4 ? &YardToHollowmer : &YardToRadlow});
    switch (g.TrainTo[train]) {
    case 4: return Of({&BranchHome, &BranchStarter});
    case 5: return Of({&BranchHome, &BranchStarterLoop});
    default: break;
    }
    // Into the down sidings: No. 1 unless it is taken (or the route is already set for No. 2).
    bool two = IsReversed(g, 13) ? g.SectNext[23] == 44 : HeldByOther(g, 20, train);
    return Of({two ? &BranchToSidingTwo : &BranchToSidingOne});
}

Route FromPellingford(const GameState& g, int train, int head) {
    switch (g.TrainTo[train]) {
    case 4: return Of({&UpHome, &UpStarter, &UpDistant});
    case 5: return Of({&UpHome, &UpStarterLoop});
    default: break;
    }
    bool backing = (head == 41 || head == 40 || head == 37 || head == 36 || head == 8 ||
                    head == 9 || head == 17) &&
                   !HeadsFor(g, head, {{36, 37}, {37, 40}, {40, 41}, {41, 42}});
    if (backing) return Of({&LoopBacking, &BackIntoYard});
    return Of({&UpHome, &UpIntoLoop});
}

}  // namespace

Route RouteOf(const GameState& g, int train) {
    int head = HeadSection(g, train);
    switch (g.TrainFrom[train]) {
    case 1: return FromPellingford(g, train, head);
    case 2: return FromBranch(g, train);
    case YardLine: return FromYard(g, train, head);
    case 4: return DownMain(g.TrainTo[train]);
    case 5: return Of({&LoopHome, &LoopToYard});
    default: return {};
    }
}

bool StillNeeds(const Leg& leg, int head) {
    return ListHolds(leg.Before, head == 0 ? Coming : head);
}

bool SignalStillNeeded(const Leg& leg, int head) {
    int place = head == 0 ? Coming : head;
    // Until the head has run off the end of the section the signal stands at, and no longer:
    // a train close behind must find it at danger.
    int at = SignalSection(leg.Signal);
    for (int s : leg.Before) {
        if (s == 0) return false;
        if (s == place) return true;
        if (s == at) return false;
    }
    return false;
}

bool PreconditionMet(const GameState& g, const Leg& leg) {
    switch (leg.Precondition) {
    case NeedsShuntForward:
        return g.BoxShuntForward[4] != 0 && OutgoingBlock(g, 4) == TrainOnLine &&
               !RadlowDepartureDue(g);
    case NeedsBlockedBack: return g.BoxBlockedBack[4] != 0 && IncomingBlock(g, 4) == TrainOnLine;
    default: return true;
    }
}

}  // namespace kv41
