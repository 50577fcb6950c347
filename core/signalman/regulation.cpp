#include "signalman/regulation.h"

#include <algorithm>
#include <array>

#include "controls/track_queries.h"
#include "model/bell_codes.h"
#include "model/box_rules.h"
#include "running/section_entry.h"
#include "running/yard.h"
#include "signalman/overtaking.h"
#include "signalman/route_legs.h"
#include "signalman/yard_departures.h"

namespace kv41 {

int ClearRoadPoints(int trainClass) {
    if (trainClass == 1) return 3;
    if (trainClass <= 4) return 2;
    return trainClass >= 6 && trainClass <= 8 ? 1 : 0;
}

namespace {

// His reckoning is in tenths of a minute, by line (1 Pellingford, 2 the branch) and train group.
// From entering the area to the up platform with the road clear all the way.
constexpr int RunIn[3][4] = {{}, {0, 41, 55, 80}, {0, 60, 70, 88}};
// From a stand at the home signal to the platform.
constexpr int FromHome[3][4] = {{}, {0, 8, 10, 13}, {0, 12, 14, 17}};
// From starting away from the platform until the tail is clear of the starter's section.
constexpr int ClearRun[4] = {0, 10, 12, 16};
// A branch passenger's stop at the platform, with the braking and starting.
constexpr int PlatformStop = 8;
// Until the line to the box ahead is clear: offered and accepted, another train's line clear
// cancelled first, or a train gone before still in the section.
constexpr int OfferTime = 3;
constexpr int CancelAndOfferTime = 6;
constexpr int SectionStillHeld = 20;
// From leaving the platform until train out of section for it comes from the box ahead.
constexpr int ThroughSection = 30;
// The distant must be off a minute and a half before the platform for a clear road.
constexpr int ClearRoadLead = 15;
// Running times vary with the drivers: a little is added to the reckoning.
constexpr int Margin = 2;

constexpr std::array<int, 3> Approach[3] = {{}, {29, 30, 31}, {27, 26, 25}};
// Past the home signal, short of the platform.
constexpr std::array<int, 4> PastHome[3] = {{}, {10, 32}, {24, 28, 13, 32}};
constexpr int EntrySection[3] = {0, 29, 27};
constexpr int HomeSignal[3] = {0, 2, 3};

// The home signal is off for the train on its approach: to the junction or, off the branch, into
// the down sidings.
bool HomeCleared(const GameState& g, int line) {
    return IsReversed(g, HomeSignal[line]) || (line == 2 && IsReversed(g, 13));
}

// Past its home signal on the way to the platform (off the branch, section 24 leads on to the
// down sidings too).
bool PastHomeToPlatform(const GameState& g, int line, int head) {
    if (line == 2 && head == 24) return g.SectNext[24] == 28;
    return ListHolds(PastHome[line], head);
}

int Now(const GameState& g) {
    return g.ClockNow * 10 + 10 - g.MinuteTick;
}

struct Contender {
    int Train = 0;
    int Line = 0;
    int Group = 0;
    int Box = 0;         // the box ahead
    int Arrive = 0;      // at the platform, given the road
    int Deadline = 0;    // the last minute it may be there without a charge
    int Bonus = 0;       // a clear road it may still earn
    int LineFree = 0;    // when the line to the box ahead can be clear for it
    bool Stops = false;  // a branch passenger calls at the platform
    bool HasLineClear = false;
};

// A train from Pellingford or off the branch for Hollowmer Jn or Radlow Rd Jn whose turn at the
// junction is still open: accepted or offered, or in the area short of its home signal with
// that signal still at danger.
bool Contends(const GameState& g, int t, Contender& c) {
    int line = g.TrainFrom[t];
    if ((line != 1 && line != 2) || (g.TrainTo[t] != 4 && g.TrainTo[t] != 5)) return false;
    // A slow train put aside runs into the down sidings, clear of the platform line.
    if (PutAside(g, t)) return false;
    int head = 0;
    if (g.TrainState[t] == TrainRunning || g.TrainState[t] == TrainStanding) {
        head = g.TrainSect[t];
        if (!ListHolds(Approach[line], head) || HomeCleared(g, line)) return false;
    } else if (g.TrainState[t] != TrainAccepted &&
               !(IsBookedOrReported(g, t) && g.BoxOfferedTrain[line] == t)) {
        return false;
    }
    int now = Now(g);
    c.Train = t;
    c.Line = line;
    c.Group = TrainGroup(g, t);
    c.Box = BoxOfLine(g.TrainTo[t]);
    int entry = 0;
    if (head == 0) {
        entry = std::max(DuePlusLate(g, t) - LeadA(g, line, t), g.ClockNow) * 10;
        if (g.TrainState[t] != TrainAccepted) entry = std::max(entry, now + OfferTime);
    } else {
        entry = g.TrainTimes[t][RegTesReceived] * 10;
    }
    c.Arrive = std::max(entry + RunIn[line][c.Group], now + FromHome[line][c.Group]);
    c.Deadline = DuePlusLate(g, t) + DelayAllowance(g, t);
    bool stillToEarn = line == 1 && (head == 0 || head == EntrySection[line]);
    c.Bonus = stillToEarn ? ClearRoadPoints(g.TrainClass[t]) : 0;
    c.Stops = line == 2 && g.TrainClass[t] == 2;
    int code = LineClearCode(g.TrainClass[t], g.TrainTo[t]);
    switch (OutgoingBlock(g, c.Box)) {
    case LineClear:
        c.HasLineClear = g.BoxAcceptedCode[c.Box] == code;
        c.LineFree = now + (c.HasLineClear ? 0 : CancelAndOfferTime);
        break;
    case LineBlocked: c.LineFree = now + OfferTime; break;
    default: c.LineFree = now + SectionStillHeld; break;
    }
    return true;
}

int Penalty(const Contender& c, int arrive) {
    return std::max(0, (arrive + Margin) / 10 - c.Deadline);
}

// Minutes lost, less clear roads earned, with `first` given the junction before `second`.
int Cost(const Contender& first, const Contender& second) {
    int cost = Penalty(first, first.Arrive);
    if (first.LineFree <= first.Arrive - ClearRoadLead) cost -= first.Bonus;
    int leaves = std::max(first.Arrive + (first.Stops ? PlatformStop : 0), first.LineFree);
    int clear = leaves + ClearRun[first.Group];
    int arrives = std::max(second.Arrive, clear + FromHome[second.Line][second.Group]);
    cost += Penalty(second, arrives);
    // Behind the first on the same line ahead, the second's line clear waits for the first to
    // be through the section.
    int lineFree = second.LineFree;
    if (first.Box == second.Box) lineFree = std::max(lineFree, leaves + ThroughSection + OfferTime);
    if (clear <= second.Arrive - ClearRoadLead && lineFree <= second.Arrive - ClearRoadLead)
        cost -= second.Bonus;
    return cost;
}

// `a` is to have the junction before `b`.
bool GoesFirst(const Contender& a, const Contender& b) {
    int ab = Cost(a, b), ba = Cost(b, a);
    if (ab != ba) return ab < ba;
    // Equal: the one that has the line ahead already, then the one there first.
    if (a.HasLineClear != b.HasLineClear) return a.HasLineClear;
    if (a.Arrive != b.Arrive) return a.Arrive < b.Arrive;
    return a.Train < b.Train;
}

// A train from the line that has been given the junction and is not yet at the platform.
bool HasTheJunction(const GameState& g, int t, int line) {
    if (g.TrainFrom[t] != line || (g.TrainTo[t] != 4 && g.TrainTo[t] != 5)) return false;
    if (g.TrainState[t] != TrainRunning && g.TrainState[t] != TrainStanding) return false;
    int head = g.TrainSect[t];
    return PastHomeToPlatform(g, line, head) ||
           (ListHolds(Approach[line], head) && IsReversed(g, HomeSignal[line]));
}

}  // namespace

bool WaitsAtJunction(const GameState& g, const TrainsInHand& trains, int train) {
    Contender c, other;
    if (!Contends(g, train, c)) return false;
    int otherLine = c.Line == 1 ? 2 : 1;
    bool found = false;
    for (int i = 0; i < trains.Count && !found; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        // One already given the junction has the line ahead first too.
        if (t != train && HasTheJunction(g, t, otherLine)) return true;
        found = t != train && g.TrainFrom[t] == otherLine && Contends(g, t, other);
    }
    int offered = g.BoxOfferedTrain[otherLine];
    if (!found && offered != 0) found = Contends(g, offered, other);
    return found && GoesFirst(other, c);
}

namespace {

// Down trains from Hollowmer Jn, from entering the area to the down platform with the road clear,
// and from a stand at the down home; a train off the loop, from entering the area to the loop
// home, and from there until it is clear of the down main's road.
constexpr int RunDown[4] = {0, 17, 20, 24};
constexpr int FromDownHome[4] = {0, 8, 11, 14};
constexpr int RunToLoopHome = 65;
constexpr int AcrossDownMain[4] = {0, 20, 26, 32};

// When a down train for Pellingford or the branch, not yet given its home signal, would be at
// the down platform with the road clear; 0 for any other train.
int DownArrival(const GameState& g, int t) {
    if (g.TrainFrom[t] != 4 || (g.TrainTo[t] != 1 && g.TrainTo[t] != 2)) return 0;
    int group = TrainGroup(g, t);
    int now = Now(g);
    if (g.TrainState[t] == TrainRunning || g.TrainState[t] == TrainStanding) {
        int head = g.TrainSect[t];
        if ((head != 1 && head != 43 && head != 2) || IsReversed(g, 50)) return 0;
        int in = g.TrainTimes[t][RegTesReceived] * 10;
        return std::max(in + RunDown[group], now + FromDownHome[group]);
    }
    int entry = std::max(DuePlusLate(g, t) - LeadA(g, 3, t), g.ClockNow) * 10;
    if (g.TrainState[t] != TrainAccepted) entry = std::max(entry, now + OfferTime);
    return entry + RunDown[group];
}

// When an up train for Hollowmer Jn from Pellingford or off the branch will want the up starter,
// which the loop train's road holds locked while it crosses (for a clear road, a minute and a
// half before the platform); 0 when it does not.
int StarterWanted(const GameState& g, int t) {
    int line = g.TrainFrom[t];
    if ((line != 1 && line != 2) || g.TrainTo[t] != 4 || IsReversed(g, 4)) return 0;
    Contender c;
    if (Contends(g, t, c)) return c.Arrive - ClearRoadLead;
    int head = g.TrainSect[t];
    bool there =
        HasTheJunction(g, t, line) || ((head == 33 || head == 34) && g.SectTrain[head] == t);
    if (!there) return 0;
    if (OutgoingBlock(g, 3) != TrainOnLine) return Now(g);
    // The line ahead still holds the train gone before: wanted once that one is through and
    // the line offered again (the register shows when it went).
    int went = g.BoxTesTime[3], gone = g.BoxTrain[3];
    if (went == NoTime && IsTrain(g, gone)) went = g.TrainTimes[gone][RegTesSent];
    int free = went != NoTime ? went * 10 + ThroughSection : Now(g) + SectionStillHeld;
    return std::max(Now(g), free + OfferTime);
}

// The down train, not yet given its home signal, would be at the down platform later than it
// may be (and later than it would be anyway) if the down main's road were held until `clear`.
bool DownTrainLosesTime(const GameState& g, int t, int clear) {
    int arrive = DownArrival(g, t);
    if (arrive == 0) return false;
    int deadline = DuePlusLate(g, t) + DelayAllowance(g, t);
    int behind = std::max(arrive, clear + FromDownHome[TrainGroup(g, t)]);
    return (behind + Margin) / 10 > std::max(deadline, (arrive + Margin) / 10);
}

// Some train in hand, offered by a box or next from Hollowmer Jn (the trains approaching window)
// answers `wanted`.
template <typename Wanted>
bool AnyTrainComing(const GameState& g, const TrainsInHand& trains, Wanted wanted) {
    for (int i = 0; i < trains.Count; ++i)
        if (wanted(trains.Train[static_cast<std::size_t>(i)])) return true;
    for (int t :
         {g.BoxOfferedTrain[1], g.BoxOfferedTrain[2], g.BoxOfferedTrain[3], g.LineTrains[4][0]})
        if (IsTrain(g, t) && IsBookedOrReported(g, t) && wanted(t)) return true;
    return false;
}

}  // namespace

bool WaitsForDownTrain(const GameState& g, const TrainsInHand& trains, int train) {
    if (g.TrainFrom[train] != 5 || IsReversed(g, 49)) return false;
    int head = HeadSection(g, train);
    int now = Now(g);
    int atHome = now;
    if (head == 0) {
        atHome =
            std::max(DuePlusLate(g, train) - LeadA(g, 4, train), g.ClockNow) * 10 + RunToLoopHome;
    } else if (head == 4) {
        atHome = std::max(g.TrainTimes[train][RegTesReceived] * 10 + RunToLoopHome, now);
    } else if (head != 5) {
        return false;
    }
    int across = atHome + AcrossDownMain[TrainGroup(g, train)];
    // The exchange sidings home is not cleared while the yard is busy, which he sees but not for
    // how long: a few minutes.
    constexpr int YardBusy = 40;
    if (!g.YardClear) across += YardBusy;
    return AnyTrainComing(g, trains, [&](int t) {
        int wanted = StarterWanted(g, t);
        return wanted != 0 ? wanted < across : DownTrainLosesTime(g, t, across);
    });
}

bool BacksOutLater(const GameState& g, const TrainsInHand& trains, int train) {
    // (Once its road is begun, it goes; nor is it kept in the loop for long. The south
    // crossover may still stand reversed for another train's road.)
    for (int l : {44, 45})
        if (IsReversed(g, l)) return false;
    constexpr int LongestWait = 25;
    int in = g.TrainTimes[train][RegTesReceived];
    if (in != NoTime && g.ClockNow - in > LongestWait) return false;
    // A departure for Pellingford draws out onto the loop: it goes first.
    if (PellingfordDepartureDue(g)) return false;
    // From the backing signal off until its tail is clear of the up main and the starter free,
    // and then of the down main at the entry to the sidings.
    constexpr int BackingClear = 60, BackingClearOfDownMain = 80;
    int clear = Now(g) + BackingClear;
    return AnyTrainComing(g, trains, [&](int t) {
        if (g.TrainFrom[t] != 1 || ClearRoadPoints(g.TrainClass[t]) == 0)
            return DownTrainLosesTime(g, t, Now(g) + BackingClearOfDownMain);
        int when = StarterWanted(g, t);
        return when != 0 && when < clear;
    });
}

bool WaitsOffTheJunction(const GameState& g, const TrainsInHand& trains, int train) {
    if (g.TrainFrom[train] != 1 || g.TrainTo[train] != YardLine) return false;
    int head = HeadSection(g, train);
    if (head != 0 && !ListHolds(Approach[1], head)) return false;
    // When it would be through the junction and into the loop, given the up home now; never,
    // while the loop is kept for a departure.
    constexpr int LoopKeptFor = 30;
    int group = TrainGroup(g, train);
    int now = Now(g);
    int entry = head != 0 ? g.TrainTimes[train][RegTesReceived] * 10
                          : std::max(DuePlusLate(g, train) - LeadA(g, 1, train), g.ClockNow) * 10;
    int through = std::max(entry + RunIn[1][group], now + FromHome[1][group]) + ClearRun[group];
    // The loop not to be had when the train would be at the starter: the line to Radlow Rd Jn
    // still taken, or the loop kept for a departure by then (the next in the held window, or one
    // the timetable books behind it).
    int ahead = std::max(0, through / 10 - g.ClockNow);
    bool radlowBooked = false;
    for (std::size_t e = 1; e <= 3; ++e) {
        int t = g.LineTrains[YardLine][e];
        radlowBooked =
            radlowBooked || (IsTrain(g, t) && g.TrainTo[t] == 5 && IsBookedOrReported(g, t) &&
                             g.TrainDue[t] <= g.ClockNow + ahead + LoopKeptFor &&
                             g.TrainDue[t] >= g.ClockNow + ahead - LoopKeptFor);
    }
    bool loopKept = (g.BoxShuntForward[4] == 0 && OutgoingBlock(g, 4) != LineBlocked) ||
                    PellingfordDepartureDue(g) || RadlowDepartureDue(g, ahead) || radlowBooked;
    // Kept, it may not be had for a quarter of an hour or more: nor is the junction given up to
    // the train while the next train off the branch for the up main is due by then (the trains
    // approaching window).
    int next = g.LineTrains[2][0];
    if (loopKept && IsTrain(g, next) && IsBookedOrReported(g, next) &&
        (g.TrainTo[next] == 4 || g.TrainTo[next] == 5) &&
        DuePlusLate(g, next) <= g.ClockNow + LoopKeptFor)
        return true;
    auto delayed = [&](int t) {
        Contender c;
        if (!Contends(g, t, c) || c.Line != 2) return false;
        return loopKept || Penalty(c, std::max(c.Arrive, through + FromHome[2][c.Group])) >
                               Penalty(c, c.Arrive);
    };
    for (int i = 0; i < trains.Count; ++i)
        if (delayed(trains.Train[static_cast<std::size_t>(i)])) return true;
    int offered = g.BoxOfferedTrain[2];
    return IsTrain(g, offered) && delayed(offered);
}

bool DrawsOutLater(const GameState& g, const TrainsInHand& trains) {
    int departure = 0;
    for (int i = 0; i < trains.Count && departure == 0; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        int head = HeadSection(g, t);
        // (On the yard road only while the yard shows clear: nothing makes it busy but a train
        // at the entry to the sidings, and none is let there while the departure waits.)
        bool mayWait = IsDownSiding(head) || (head == 18 && g.YardClear);
        if (g.TrainFrom[t] == YardLine && g.TrainTo[t] == 1 && mayWait) departure = t;
    }
    constexpr int LongestHold = 15;
    if (departure == 0 || g.ClockNow - DuePlusLate(g, departure) > LongestHold) return false;
    // From the exchange sidings starter off until the departure is out on the loop and the up
    // main's points to the loop are back; and until it has run back off the loop and along the
    // down main past the junction.
    constexpr int DrawOutClear = 40, BackAlongDownMain = 70;
    int clear = Now(g) + DrawOutClear;
    return AnyTrainComing(g, trains, [&](int t) {
        if (DownTrainLosesTime(g, t, Now(g) + BackAlongDownMain)) return true;
        bool loses =
            g.TrainClass[t] <= 4 || (g.TrainFrom[t] == 1 && ClearRoadPoints(g.TrainClass[t]) > 0);
        int when = StarterWanted(g, t);
        return loses && when != 0 && when < clear;
    });
}

bool FarFromSignal(const GameState& g, int train, int signal) {
    int head = HeadSection(g, train);
    if (head == 0) return true;
    switch (signal) {
    case 2: return head == EntrySection[1];
    case 3:
    case 13: return head == EntrySection[2];
    default: return false;
    }
}

bool OfferWaitsForClearRoad(const GameState& g, int train) {
    if (g.TrainFrom[train] != 1 || ClearRoadPoints(g.TrainClass[train]) == 0) return false;
    int head = HeadSection(g, train);
    int entry = 0;
    if (head == 0) {
        if (g.TrainState[train] != TrainAccepted) return false;
        entry = std::max(DuePlusLate(g, train) - LeadA(g, 1, train), g.ClockNow) * 10;
    } else if (head == EntrySection[1]) {
        entry = g.TrainTimes[train][RegTesReceived] * 10;
    } else {
        return false;
    }
    // Past its home signal, which then goes back behind it, with a minute in hand before the
    // box in rear would start the offered train.
    constexpr int InHand = 10;
    int pastHome = entry + RunIn[1][TrainGroup(g, train)] + InHand;
    for (int box = 1; box <= BoxCount; ++box) {
        if (!IsLineClearCode(g.BoxBellShown[box]) || g.BoxBellAnswered[box] != 0) continue;
        int t = g.BoxOfferedTrain[box];
        if (!IsTrain(g, t) || (DuePlusLate(g, t) - LeadA(g, box, t)) * 10 < pastHome) return false;
    }
    return true;
}

bool PellingfordDepartureDue(const GameState& g) {
    constexpr int Soon = 10;
    for (int s : {18, 19, 20}) {
        int t = g.SectTrain[s];
        if (t != 0 && g.TrainFrom[t] == YardLine && g.TrainTo[t] == 1) return true;
    }
    int next = NextYardDeparture(g);
    return next > 1 && next <= g.TrainCount && g.TrainTo[next] == 1 &&
           DuePlusLate(g, next) <= g.ClockNow + Soon && NotLongOverdue(g, next, g.ClockNow);
}

}  // namespace kv41
