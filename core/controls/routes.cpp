#include "controls/routes.h"

#include <string_view>

#include "controls/track_queries.h"
#include "framework/messages.h"
#include "framework/sounds.h"

namespace kv41 {

namespace {

constexpr int NoDeparture = 1800;  // a yard train booked later than this is not a departure

void Limit(GameState& g, std::initializer_list<int> sections, int mph) {
    for (int section : sections) g.SectLimit[section] = mph;
}

void Link(GameState& g, std::initializer_list<std::pair<int, int>> links) {
    for (auto [from, to] : links) g.SectNext[from] = to;
}

// The homes into section 8 end their road there: the train stops at the inner home and the
// sidings home unless one of them is off already. It must neither run on by whatever road an
// earlier train left set beyond them, nor be stopped short of a road set for it.
bool StopAtSidingsHomes(GameState& g) {
    if (!IsNormal(g, 43) || !IsNormal(g, 48)) return false;
    g.SectNext[8] = 0;
    return true;
}

int TrainOn(const GameState& g, int section, int orElse = 0) {
    int train = g.SectTrain[section];
    return train != 0 || orElse == 0 ? train : g.SectTrain[orElse];
}

struct Refusal {
    int Train = 0;
    bool Refused = false;
    std::string_view Message;
    bool Whistle = false;
};

// Table of the trains the signals are meant for. Only one row applies to a lever, except for
// lever 30 whose check depends on how the south crossover and the loop points lie.
Refusal FindRefusal(const GameState& g, int lever) {
    auto to = [&g](int train) { return g.TrainTo[train]; };
    auto cls = [&g](int train) { return static_cast<int>(g.TrainClass[train]); };
    int t = 0;
    switch (lever) {
    case 1:
        t = g.BoxOfferedTrain[1];
        return {t, t != 0 && to(t) != 4, "trying to route non-Hollowmer train to Hollowmer"};
    case 51:
        t = g.BoxOfferedTrain[3];
        return {t, t != 0 && to(t) == 2, "trying to route Brenley train to Pellingford"};
    case 4:
        t = TrainOn(g, 34);
        return {t, t != 0 && to(t) != 4, "trying to route non-Hollowmer train to Hollowmee"};
    case 6:
        t = TrainOn(g, 34);
        return {t, t != 0 && to(t) == 4, "trying to route Hollowmer train to Radlow Rd"};
    case 13:
        t = TrainOn(g, 25, 26);
        return {t, t != 0 && cls(t) < 6, "trying to route non-freight train to sidings", true};
    case 27:
        t = TrainOn(g, 20);
        return {t, t != 0 && to(t) != 2, "trying to route non-branch train to Brenley", true};
    case 29:
        t = TrainOn(g, 19);
        return {t, t != 0 && to(t) != 2, "trying to route non-branch train to Brenley", true};
    case 30:
        t = DepartingYardTrain(g);
        if (t == 0) return {};
        if (IsReversed(g, 33)) {
            if (IsNormal(g, 35) && to(t) == 5)
                return {t, true, "trying to route Radlow Rd train to Hollowmer"};
            if (IsReversed(g, 35) && to(t) == 4)
                return {t, true, "trying to route Hollowmer train to Radlow Rd"};
            if (IsNormal(g, 35) && to(t) < 3)
                return {t, true, "trying to route down train to Hollowmer"};
            return {t, false, {}};
        }
        return {t, to(t) == 4 || to(t) == 5, "trying to route up train on down line"};
    case 42:
        t = TrainOn(g, 11);
        return {t, t != 0 && to(t) == 1, "trying to route Pellingford train to Brenley"};
    case 47:
        t = TrainOn(g, 11);
        return {t, t != 0 && to(t) == 2, "trying to route Brenley train to Pellingford"};
    case 43:
        t = TrainOn(g, 8, 7);
        return {t, t != 0 && cls(t) < 5, "trying to route non-freight train to sidings", true};
    case 48:
        t = TrainOn(g, 8, 7);
        return {t, t != 0 && to(t) == 3, "not routing terminating train to sidings", true};
    default: return {};
    }
}

void RouteFromYard(GameState& g) {
    int s = 0;
    if (DepartingYardTrain(g, &s) == 0) return;
    Limit(g, {s, 17, 9, 8}, 15);
    Link(g, {{s, 17}, {17, 9}, {9, 8}});
    if (IsNormal(g, 33)) {
        // Back onto the down line, by the crossover at the home signal or the LMS loop.
        g.SectLimit[7] = 15;
        Link(g, {{8, 7}});
        if (IsNormal(g, 39)) {
            Limit(g, {3}, 15);
            Limit(g, {2}, 0);
            Link(g, {{7, 3}, {3, 2}});
        } else {
            Limit(g, {38, 6}, 15);
            Limit(g, {5}, 0);
            Link(g, {{7, 38}, {38, 6}, {6, 5}});
        }
        return;
    }
    Limit(g, {36, 37}, 15);
    Link(g, {{8, 36}, {36, 37}});
    if (IsNormal(g, 35)) {
        g.SectLimit[38] = 25;
        Link(g, {{37, 38}, {38, 39}});
    } else {
        Limit(g, {40, 41}, 15);
        Link(g, {{37, 40}, {40, 41}, {41, 42}});
    }
}

void RouteFromUpHomeOrCrossover(GameState& g, int lever) {
    if (lever == 13) {
        g.SectLimit[25] = 15;
        Link(g, {{25, 24}, {24, 23}});
        if (IsReversed(g, 23)) {
            Limit(g, {12}, 15);
            Limit(g, {11}, 0);
            Link(g, {{23, 22}, {22, 12}, {12, 11}});
        } else if (IsNormal(g, 28)) {
            g.SectLimit[20] = 0;
            Link(g, {{23, 21}, {21, 20}, {20, 0}});
        } else {
            g.SectLimit[19] = 0;
            Link(g, {{23, 44}, {44, 19}, {19, 0}});
        }
    } else if (lever == 20) {
        Limit(g, {14, 13}, 15);
        Link(g, {{14, 13}});
        if (IsNormal(g, 21)) {
            Limit(g, {12}, 15);
            Limit(g, {11}, 0);
            Link(g, {{13, 12}, {12, 11}});
        } else {
            Limit(g, {32, 33}, 15);
            Link(g, {{13, 32}, {32, 33}, {33, 34}});
        }
    } else {  // 22
        Limit(g, {33, 32}, 15);
        Link(g, {{33, 32}});
        if (IsNormal(g, 21)) {
            Limit(g, {10}, 15);
            Limit(g, {31}, 0);
            Link(g, {{32, 10}, {10, 31}});
        } else {
            g.SectLimit[13] = 15;
            Link(g, {{32, 13}});
            if (IsNormal(g, 15)) {
                g.SectLimit[14] = 0;
                Link(g, {{13, 14}});
            } else {
                g.SectLimit[25] = 0;
                Link(g, {{13, 28}, {28, 24}, {24, 25}});
            }
        }
    }
}

}  // namespace

int DepartingYardTrain(const GameState& g, int* section) {
    int best = 0;
    int bestSection = 0;
    int bestTime = NoDeparture + 1;
    for (int s : {18, 19, 20}) {
        int t = g.SectTrain[s];
        if (t == 0 || g.TrainTo[t] == 3) continue;
        int due = DuePlusLate(g, t);
        if (due <= bestTime) {  // a later section wins a tie
            best = t;
            bestSection = s;
            bestTime = due;
        }
    }
    if (best == 0 || g.ClockNow < bestTime) return 0;
    if (section != nullptr) *section = bestSection;
    return best;
}

bool TrainCheckRefuses(const GameState& g, int lever) {
    return FindRefusal(g, lever).Refused;
}

TrainCheck CheckTrainForLever(GameState& g, int lever) {
    Refusal refusal = FindRefusal(g, lever);
    if (!refusal.Refused) return TrainCheck::Pass;
    LosePoints(g, 10, refusal.Message);
    if (refusal.Whistle) PlayWhistle(g);
    // At the inner and exchange sidings homes the wrong train is still let in: the signal
    // comes off, but the route is not set for it.
    return lever == 43 || lever == 48 ? TrainCheck::MovesWithoutRoute : TrainCheck::Refused;
}

void SetRoute(GameState& g, int lever) {
    switch (lever) {
    case 1: Limit(g, {30, 31, 10, 32, 33}, 40); break;
    case 51:
        Limit(g, {1, 43, 2, 3, 7, 8, 9, 11, 12, 13}, 40);
        g.SectLimit[14] = 60;
        break;
    case 2:
        g.SectLimit[30] = 25;
        g.SectLimit[31] = 20;
        g.SectLimit[10] = 18;
        g.SectLimit[32] = 16;
        g.SectLimit[33] = 10;
        Link(g, {{31, 10}, {10, 32}, {32, 33}, {33, 34}});
        break;
    case 3:
        Limit(g, {25, 13, 32, 33}, 15);
        Link(g, {{25, 24}, {24, 28}, {28, 13}, {13, 32}, {32, 33}, {33, 34}});
        break;
    case 4:
        if (IsReversed(g, 2)) {
            g.SectLimit[31] = 30;
            g.SectLimit[10] = 35;
            Limit(g, {32, 33}, 40);
        }
        Limit(g, {34, 35, 36, 37, 38}, 40);
        Link(g, {{33, 34}, {34, 35}, {35, 36}, {36, 37}, {37, 38}, {38, 39}});
        break;
    case 6:
        g.SectLimit[33] = 17;
        Limit(g, {34, 35, 36, 37, 40, 41}, 15);
        Link(g, {{33, 34}, {34, 35}, {35, 36}, {36, 37}, {37, 40}, {40, 41}, {41, 42}});
        break;
    case 13:
    case 20:
    case 22: RouteFromUpHomeOrCrossover(g, lever); break;
    case 27:
        Limit(g, {20, 23, 24}, 15);
        Limit(g, {25, 26, 27}, 40);
        Link(g, {{20, 21}, {21, 23}, {23, 24}, {24, 25}, {25, 26}, {26, 27}, {27, -2}});
        break;
    case 29:
        Limit(g, {19, 23, 24}, 15);
        Limit(g, {25, 26, 27}, 40);
        Link(g, {{19, 44}, {44, 23}, {23, 24}, {24, 25}, {25, 26}, {26, 27}, {27, -2}});
        break;
    case 30: RouteFromYard(g); break;
    case 31: Limit(g, {9, 8}, 15); break;
    case 42:
        Limit(g, {11, 12, 22, 23, 24}, 15);
        Limit(g, {25, 26, 27}, 40);
        Link(g, {{11, 12}, {12, 22}, {22, 23}, {23, 24}, {24, 25}, {25, 26}, {26, 27}, {27, -2}});
        break;
    case 43:
        g.SectLimit[7] = 18;
        Limit(g, {8, 9}, 15);
        g.SectLimit[17] = 10;
        Link(g, {{8, 9}, {9, 17}, {17, 0}});
        break;
    case 44:
        Limit(g, {37, 36}, 15);
        if (IsNormal(g, 33)) {
            Link(g, {{36, 35}, {35, 34}, {34, 33}, {33, 0}});
            Limit(g, {35, 34}, 10);
            g.SectLimit[33] = 0;
        } else {
            Link(g, {{36, 8}, {8, 0}});
        }
        break;
    case 45:
        Limit(g, {41, 40}, 15);
        Link(g, {{41, 40}, {40, 37}, {37, 36}});
        g.SectNext[36] = IsNormal(g, 33) ? 35 : 8;
        break;
    case 46:
        Limit(g, {14, 15, 16}, 60);
        Link(g, {{14, 15}});
        break;
    case 47:
        Limit(g, {11, 12, 13}, 20);
        g.SectLimit[14] = 0;
        Link(g, {{11, 12}, {12, 13}, {13, 14}});
        break;
    case 48:
        if (IsReversed(g, 50)) g.SectLimit[2] = 20;
        g.SectLimit[3] = 20;
        g.SectLimit[7] = 19;
        g.SectLimit[8] = 18;
        g.SectLimit[9] = 17;
        g.SectLimit[11] = 0;
        Link(g, {{8, 9}, {9, 11}, {11, 0}});
        break;
    case 49:
        g.SectLimit[5] = 14;
        g.SectLimit[6] = 12;
        g.SectLimit[38] = 10;
        g.SectLimit[7] = 5;
        Link(g, {{5, 6}, {6, 38}, {38, 7}, {7, 8}});
        StopAtSidingsHomes(g);
        break;
    case 50:
        g.SectLimit[43] = 25;
        g.SectLimit[2] = 16;
        g.SectLimit[3] = 13;
        g.SectLimit[7] = 7;
        Link(g, {{2, 3}, {3, 7}, {7, 8}});
        if (StopAtSidingsHomes(g)) g.SectLimit[8] = 0;
        break;
    default: break;  // points, locks, placers and distants without a route
    }
}

int SignalSection(int lever) {
    switch (lever) {
    case 2: return 31;
    case 3:
    case 13: return 25;
    case 4:
    case 6: return 34;
    case 20:
    case 46: return 14;
    case 22: return 33;
    case 27: return 20;
    case 29: return 19;
    case 30: return 17;
    case 31: return 9;
    case 42:
    case 47: return 11;
    case 43:
    case 48: return 8;
    case 44: return 37;
    case 45: return 41;
    case 49: return 5;
    case 50: return 2;
    default: return 0;
    }
}

void ClearRoute(GameState& g, int lever) {
    int first = SignalSection(lever);
    if (first == 0) return;
    if (lever == 43 || lever == 48) g.SectNext[8] = 0;
    g.SectLimit[first] = 0;
}

}  // namespace kv41
