// The boxes' side of the bells: clearing answered bells from their indicators, and each box's
// answer to the code the signalman sent it, under the rule book in force.
#include "game_state.h"
#include "model/bell_codes.h"
#include "model/box_rules.h"
#include "running/boxes.h"

namespace kv41 {
namespace {

uint8_t& Outgoing(GameState& g, int box) {
    return g.BoxBlock[box][0];
}
uint8_t& Incoming(GameState& g, int box) {
    return g.BoxBlock[box][1];
}

// The box's line clear for the player's train goes in its register, or is held until the
// train is identified to the box.
void RecordLineClear(GameState& g, int box, int time) {
    const int t = g.BoxTrain[box];
    if (IsTrain(g, t)) {
        g.TrainTimes[t][RegLineClearObtained] = time;
    } else {
        g.BoxLineClearTime[box] = time;
    }
}

// Answers code b; returns false when the box cannot answer it yet, so that it stays pending.
bool AnswerCode(GameState& g, int box, int b) {
    if (IsLineClearCode(b)) {
        // A box accepts only when its section is free: the instrument must be back at Line
        // Blocked. Until then the offer waits for a later turn.
        if (Outgoing(g, box) != LineBlocked) return false;
        RingBell(g, box, b);
        g.BoxAcceptedCode[box] = static_cast<uint8_t>(b);
        Outgoing(g, box) = LineClear;
        RecordLineClear(g, box, g.ClockNow);
        return true;
    }
    switch (b) {
    case BellTrainEntering:
        if (g.Rules != RuleBook::LMR) RingBell(g, box, b);
        Outgoing(g, box) = TrainOnLine;
        return true;
    case BellTrainOut:
        if (g.Rules == RuleBook::LMR) {
            RingBell(g, box, BellCallAttention);
        } else if (g.Rules != RuleBook::WR) {
            RingBell(g, box, b);
        }
        return true;
    case BellCancel:
        RingBell(g, box, b);
        g.BoxBellShown[box] = BellNone;
        Outgoing(g, box) = LineBlocked;
        RecordLineClear(g, box, NoTime);
        return true;
    case BellWarningAcceptance:
    case BellLineNowClear: RingBell(g, box, b); return true;
    case BellBlockingBack:
        RingBell(g, box, b);
        if (g.AutoBlockInstruments) Incoming(g, box) = TrainOnLine;
        g.BoxBlockedBack[box] = 1;
        return true;
    case BellShuntForward:
        if (Outgoing(g, box) != LineBlocked) return false;
        RingBell(g, box, b);
        g.BoxAcceptedCode[box] = BellShuntForward;
        Outgoing(g, box) = TrainOnLine;
        g.BoxShuntForward[box] = 1;
        return true;
    case BellShuntWithdrawn:
        RingBell(g, box, b);
        Outgoing(g, box) = LineBlocked;
        g.BoxShuntForward[box] = 0;
        return true;
    default:
        // Train approaching, assistance in rear and line occupied get no answer.
        return false;
    }
}

}  // namespace

void ShowBells(GameState& g) {
    for (int box = 1; box <= BoxCount; ++box) {
        // Under the LMR book the signalman acknowledges train entering section by turning his
        // instrument to Train On Line.
        if (g.Rules == RuleBook::LMR && g.BoxBellShown[box] == BellTrainEntering &&
            Incoming(g, box) == TrainOnLine) {
            g.BoxBellAnswered[box] = 1;
        }
        if (g.BoxBellAnswered[box] == 0) continue;
        g.BoxBellShown[box] = BellNone;
        g.BoxBellAnswered[box] = 0;
    }
}

void AnswerPlayerBell(GameState& g, int box) {
    if (box < 1 || box > BoxCount) return;
    const int b = g.BoxBellSent[box];
    if (b == BellNone) return;
    if (b == BellCallAttention) {
        g.BoxBellSent[box] = BellNone;
        if (g.BoxAwaitingAttn[box] != 0) {
            // The signalman has answered the box's own call attention.
            g.BoxAttnAnswered[box] = 1;
            g.BoxAwaitingAttn[box] = 0;
            g.BoxRingPending[box] = BellNone;
            return;
        }
        RingBell(g, box, BellCallAttention);
        g.BoxBellAnswered[box] = 1;
        g.BoxAttending[box] = 1;
        return;
    }
    if (b > BellCodeLast || !AnswerCode(g, box, b)) return;
    g.BoxBellSent[box] = BellNone;
    g.BoxBellAnswered[box] = 1;
    g.BoxRingPending[box] = BellNone;
}

}  // namespace kv41
