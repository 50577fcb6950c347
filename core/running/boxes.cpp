// The neighbouring boxes ringing to the signalman: their bells, their offers of trains, the
// trains they send into our area, train out of section for our trains, and the deadlines
// for train out of section owed to them.
#include "running/boxes.h"

#include <array>
#include <string>

#include "framework/messages.h"
#include "framework/sounds.h"
#include "game_state.h"
#include "model/bell_codes.h"
#include "model/box_rules.h"
#include "model/clock.h"
#include "platform/platform.h"
#include "running/section_entry.h"

namespace kv41 {
namespace {

// Keeps the box's train from arriving before it could have run from the box once offered now.
void AllowRunningTime(GameState& g, int box, int train) {
    if (!IsTrain(g, train)) return;
    const int late = g.ClockNow - g.TrainDue[train] + LeadA(g, box, train) + 1;
    if (g.TrainLate[train] < late) g.TrainLate[train] = late;
}

void RingAndAwait(GameState& g, int box, int code) {
    RingBell(g, box, code);
    g.BoxRingPending[box] = static_cast<uint8_t>(code);
}

// The branch approach is set by the branch box's train itself: it runs 27, 26, 25 and stands
// at the home signals unless both are off.
void SetBranchApproach(GameState& g) {
    g.SectNext[27] = 26;
    g.SectNext[26] = 25;
    if (g.LeverNormal[3] != 0 && g.LeverNormal[13] != 0) {
        g.SectNext[25] = 0;
        g.SectLimit[26] = 14;
        g.SectLimit[25] = 0;
    } else {
        g.SectLimit[26] = 30;
    }
}

bool ReadyToEnter(const GameState& g, int box, int t) {
    return IsTrain(g, t) && g.TrainState[t] == TrainAccepted &&
           DuePlusLate(g, t) - LeadA(g, box, t) <= g.ClockNow && g.BoxBellShown[box] == 0 &&
           g.BoxBellSent[box] == 0 && g.BoxBlock[box][1] == LineClear;
}

void EnterFromBox(GameState& g, int box, int t) {
    g.TrainState[t] = TrainRunning;
    const int entry = g.BoxEntrySect[box];
    if (box == 2) SetBranchApproach(g);
    g.TrainSect[t] = entry;
    SectionEntryRules(g, entry, t);
    g.TrainToGo[t] = g.SectLength[entry];
    g.TrainTimes[t][RegTesReceived] = g.ClockNow;
    RingAndAwait(g, box, BellTrainEntering);
    AdvanceLine(g, LineOfBox(box));
    ++g.TrainsInArea;
    EndSpeedUp(g);
}

void SendTrainOut(GameState& g, int box) {
    const bool attnAnswered = g.BoxAttnAnswered[box] != 0 && g.BoxHeldCode[box] == BellTrainOut;
    // The WR book sends train out of section without call attention and wants no answer.
    if (attnAnswered || g.Rules == RuleBook::WR || !g.RequireCallAttention) {
        g.BoxAttnAnswered[box] = 0;
        g.BoxHeldCode[box] = BellNone;
        RingBell(g, box, BellTrainOut);
        if (g.Rules == RuleBook::WR) {
            g.BoxBellAnswered[box] = 1;
            g.BoxRingPending[box] = BellNone;
        } else {
            g.BoxRingPending[box] = BellTrainOut;
        }
        g.BoxBlock[box][0] = LineBlocked;
        g.BoxTrainGone[box] = 0;
        g.BoxAcceptedCode[box] = BellNone;
        return;
    }
    RingBell(g, box, BellCallAttention);
    g.BoxAwaitingAttn[box] = 1;
    g.BoxHeldCode[box] = BellTrainOut;
}

}  // namespace

int BoxTurn(const GameState& g) {
    return g.MinuteTick % 4 + 1;
}

void RingBell(GameState& g, int box, int code) {
    if (box < 1 || box > BoxCount) return;
    // A box rings the same code at most once a minute.
    if (g.BoxLastRingTime[box] == g.ClockNow && g.BoxBellShown[box] == code) return;
    g.BoxBellShown[box] = static_cast<uint8_t>(code);
    g.BoxBellAnswered[box] = 0;
    g.BoxLastRingTime[box] = g.ClockNow;
    g.Host->Report(Output::Ring, std::to_string(box) + " " + std::string(BellCodeLabel(code)));
    const auto& beats = BellCodeOf(code).Beats;
    const std::array<int, 3> groups{beats[0], beats[1], beats[2]};
    PlayBoxBellGroups(g, box, groups);
}

void OfferPendingTrain(GameState& g, int box) {
    if (box < 1 || box > BoxCount) return;
    const int t = g.BoxOfferedTrain[box];
    const int code = IsTrain(g, t) ? LineClearCode(g.TrainClass[t], g.TrainTo[t]) : 0;
    if (g.BoxHeldCode[box] == code && code != 0 && !IsBookedOrReported(g, t)) {
        // The offer held back for a call attention has been made since, and the train taken:
        // a later call attention from the signalman must not bring it round again.
        g.BoxAwaitingAttn[box] = 0;
        g.BoxAttnAnswered[box] = 0;
        g.BoxHeldCode[box] = BellNone;
    }
    if (g.BoxAttnAnswered[box] != 0 && code != 0 && code == g.BoxHeldCode[box]) {
        // The signalman has answered the call attention: now the offer itself.
        g.BoxAttnAnswered[box] = 0;
        g.BoxHeldCode[box] = BellNone;
        RingAndAwait(g, box, code);
        AllowRunningTime(g, box, t);
        return;
    }
    if (!IsTrain(g, t) || !IsBookedOrReported(g, t)) return;
    if (OfferTime(g, box, t) >= g.ClockNow) return;
    if (g.BoxBellShown[box] != 0 && g.BoxBellAnswered[box] == 0) return;
    if (g.BoxBlock[box][1] != LineBlocked) return;
    if (!g.RequireCallAttention) {
        // Call attention switched off meanwhile: the offer is rung at once, and a call
        // attention rung for it before is done with.
        g.BoxAwaitingAttn[box] = 0;
        g.BoxAttnAnswered[box] = 0;
        g.BoxHeldCode[box] = BellNone;
        RingAndAwait(g, box, code);
        AllowRunningTime(g, box, t);
        return;
    }
    RingAndAwait(g, box, BellCallAttention);
    g.BoxAwaitingAttn[box] = 1;
    g.BoxHeldCode[box] = static_cast<uint8_t>(code);
}

void EnterTrainsFromBoxes(GameState& g) {
    for (int box = 1; box <= BoxCount; ++box) {
        const int t = g.BoxOfferedTrain[box];
        if (ReadyToEnter(g, box, t)) EnterFromBox(g, box, t);
    }
}

void SendTrainsOutOfSection(GameState& g) {
    for (int box = 1; box <= BoxCount; ++box) {
        const int shown = g.BoxBellShown[box];
        // An offer or a train entering section still on the box's bell is dealt with first.
        const bool bellBusy = shown >= BellLineClearFirst && shown <= BellTrainEntering;
        if (g.BoxTrainGone[box] != 0 && g.BoxBellSent[box] == 0 && !bellBusy) {
            SendTrainOut(g, box);
        }
    }
}

void CheckToosDeadlines(GameState& g) {
    for (int slot = 1; slot <= BoxCount; ++slot) {
        if (g.BoxToosDeadline[slot] == 0 || g.ClockNow < g.BoxToosDeadline[slot]) continue;
        g.BoxToosDeadline[slot] = 0;
        const int t = g.BoxToosTrain[slot];
        if (!IsTrain(g, t) || g.TrainTimes[t][RegToosSent] != NoTime) continue;
        LosePoints(g, 1,
                   "Train Out Of Section not sent for " + FormatClock(g.TrainDue[t]) + " from " +
                       g.TrainOrigin[t]);
    }
}

void IdentifyTrainToBox(GameState& g, int box, int train) {
    if (box < 1 || box > BoxCount || !IsTrain(g, train)) return;
    if (g.BoxLineClearTime[box] != NoTime) {
        g.TrainTimes[train][RegLineClearObtained] = g.BoxLineClearTime[box];
    }
    if (g.BoxTesTime[box] != NoTime) g.TrainTimes[train][RegTesSent] = g.BoxTesTime[box];
    g.BoxTrain[box] = train;
    g.BoxLineClearTime[box] = NoTime;
    g.BoxTesTime[box] = NoTime;
}

}  // namespace kv41
