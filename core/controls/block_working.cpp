#include "controls/block_working.h"

#include <string>

#include "controls/track_queries.h"
#include "framework/messages.h"
#include "model/bell_codes.h"
#include "model/box_rules.h"

namespace kv41 {

namespace {

// The home signals protecting the line from each box (box 2 has the branch home and the
// signal into the down sidings), and the starting signal that admits our trains to its line.
bool HomeSignalClear(const GameState& g, int box) {
    switch (box) {
    case 1: return IsReversed(g, 2);
    case 2: return IsReversed(g, 3) || IsReversed(g, 13);
    case 3: return IsReversed(g, 50);
    case 4: return IsReversed(g, 49);
    default: return false;
    }
}

constexpr int SectionSignal[BoxCount + 1] = {0, 46, 42, 4, 6};

// The clearing point: the line beyond the home signal that must be clear before a train may be
// accepted up to it. A branch train for the exchange sidings runs in by the down sidings.
bool ClearingPointOccupied(const GameState& g, int box, int train) {
    switch (box) {
    case 1: return AnyOccupied(g, {32, 33, 34, 10});
    case 2:
        if (train != 0 && g.TrainTo[train] == 3) return AnyOccupied(g, {24, 23, 21, 44});
        return AnyOccupied(g, {32, 33, 34, 10});
    case 3: return AnyOccupied(g, {43, 2, 3, 1});
    case 4: return AnyOccupied(g, {4, 5, 6, 7});
    default: return true;
    }
}

// The sections the box's last train must have cleared before train out of section is sent. A
// branch passenger standing at the up platform (section 33) has arrived complete.
bool ToosSectionsOccupied(const GameState& g, int box) {
    switch (box) {
    case 1: return AnyOccupied(g, {29, 30, 31, 10, 32, 33});
    case 2: {
        if (AnyOccupied(g, {27, 26, 25, 24, 28, 13, 32})) return true;
        int t = g.SectTrain[33];
        return t != 0 && (g.TrainSpeed[t] != 0 || g.TrainClass[t] != 2);
    }
    case 3: return AnyOccupied(g, {1, 2, 3, 7, 8, 9});
    case 4: return AnyOccupied(g, {4, 5, 6, 38, 7, 8, 9});
    default: return true;
    }
}

// A route set across the line of a box's train: the branch home against the up main, the up
// home or down starter against a branch train for the running lines.
bool ConflictingRouteCleared(const GameState& g, int box, int train) {
    return (box == 1 && IsReversed(g, 3)) || (box == 2 && (train == 0 || g.TrainTo[train] != 3) &&
                                              (IsReversed(g, 2) || IsReversed(g, 47)));
}

// One sent code being judged: the box, the code, and the ways the judgement ends.
struct Bell {
    GameState& g;
    int Box;
    int Code;

    void Discard() const { g.BoxBellSent[Box] = 0; }
    void Refuse(int points, std::string_view reason) const {
        LosePoints(g, points, reason);
        Discard();
    }
    void RefuseInstrument(std::string_view state) const {
        Refuse(1, "block instrument not at \"" + std::string(state) + "\"");
    }
    // The shown code is dealt with: off the indicator, and no longer waiting for the player
    // (so that a later tapped code is not mistaken for an answer to it).
    void TakeOffIndicator() const {
        ClearIndicator();
        g.BoxRingPending[Box] = 0;
    }
    void ClearIndicator() const { g.BoxBellShown[Box] = 0; }
    void AnswerShown() const {
        g.BoxBellAnswered[Box] = 1;
        TakeOffIndicator();
    }
    bool ShownUnanswered(int shown) const {
        return g.BoxBellShown[Box] == shown && g.BoxBellAnswered[Box] == 0;
    }
    bool WorksIncomingItself() const { return g.AutoBlockInstruments || Box == 2; }
    void SetIncoming(uint8_t state) const {
        if (WorksIncomingItself()) g.BoxBlock[Box][1] = state;
    }
    // Codes sent unprompted need the box's attention first, when the rules ask for it.
    bool CallAttentionMissing() const {
        if (!g.RequireCallAttention || g.BoxAttending[Box] != 0) return false;
        Refuse(1, "Call Attention is required");
        return true;
    }
};

void AcceptOffer(const Bell& b) {
    GameState& g = b.g;
    int t = g.BoxOfferedTrain[b.Box];
    if (IncomingBlock(g, b.Box) != LineBlocked) return b.RefuseInstrument("Blocked");
    if (HomeSignalClear(g, b.Box))
        return b.Refuse(1, "accepting train with home signal still at clear");
    if (ConflictingRouteCleared(g, b.Box, t))
        return b.Refuse(1, "accepting train with conflicting route cleared");
    if (ClearingPointOccupied(g, b.Box, t))
        return b.Refuse(2, "accepting train with clearing point obstructed");
    b.SetIncoming(LineClear);
    b.TakeOffIndicator();
    b.Discard();  // the repeat is the acknowledgement: the box does not answer it
    if (t == 0) return;
    g.TrainTimes[t][RegLineClearGiven] = g.ClockNow;
    g.TrainState[t] = TrainAccepted;
    SetApproachSpeed(g, b.Box, t, Acceptance::Plain);
}

bool ToosAlreadySent(const GameState& g, int box) {
    int t = g.BoxOfferedTrain[box];
    return (t == 0 || g.TrainTimes[t][RegToosSent] != NoTime) && g.BoxBlockedBack[box] == 0;
}

void OfferTrain(const Bell& b) {
    if (b.CallAttentionMissing()) return;
    if (OutgoingBlock(b.g, b.Box) != LineBlocked) return b.RefuseInstrument("Blocked");
}

void TrainEnteringSection(const Bell& b) {
    GameState& g = b.g;
    if (b.ShownUnanswered(BellTrainEntering)) {
        b.AnswerShown();
        b.Discard();
        b.SetIncoming(TrainOnLine);
        return;
    }
    if (!TrainEnteringSectionTowards(g, b.Box))
        return b.Refuse(1, "sending TES with no train entering section");
    if (OutgoingBlock(g, b.Box) != LineClear)
        return b.Refuse(1, "Sending TES with line clear not obtained");
    int t = g.BoxTrain[b.Box];
    if (t != 0)
        g.TrainTimes[t][RegTesSent] = g.ClockNow;
    else
        g.BoxTesTime[b.Box] = g.ClockNow;
}

void TrainOutOfSection(const Bell& b) {
    GameState& g = b.g;
    if (g.Rules != RuleBook::LMR && b.ShownUnanswered(BellTrainOut)) {
        b.AnswerShown();
        b.Discard();
        return;
    }
    if (g.Rules != RuleBook::WR && b.CallAttentionMissing()) return;
    if (IncomingBlock(g, b.Box) == LineBlocked) return b.Refuse(1, "no train leaving section");
    if (ToosSectionsOccupied(g, b.Box))
        return b.Refuse(1, "sending TOOS before section is cleared");
    // Once sent, the box no longer holds a train for us: a second one has nothing to report.
    int t = g.BoxOfferedTrain[b.Box];
    if (ToosAlreadySent(g, b.Box)) return b.Refuse(1, "TOOS already sent");
    bool homeClear = b.Box == 2 ? IsReversed(g, 3) : HomeSignalClear(g, b.Box);
    if (homeClear) return b.Refuse(2, "section signal not returned to normal");
    b.SetIncoming(LineBlocked);
    if (g.BoxBlockedBack[b.Box] != 0) {
        g.BoxBlockedBack[b.Box] = 0;  // the code now means obstruction removed
        return;
    }
    g.TrainTimes[t][RegToosSent] = g.ClockNow;
    g.BoxOfferedTrain[b.Box] = 0;
}

void CancelLastSignal(const Bell& b) {
    GameState& g = b.g;
    if (b.CallAttentionMissing()) return;
    switch (OutgoingBlock(g, b.Box)) {
    case LineClear:
        if (IsReversed(g, SectionSignal[b.Box])) {
            ShowError(g, "\"Cancel\" rejected - starting signal still clear");
            return b.Discard();
        }
        ShowError(g, "Line Clear request cancelled");
        return;
    case TrainOnLine:
        ShowError(g, "\"Cancel\" rejected - train already in section");
        return b.Discard();
    default: ShowError(g, "\"Cancel\" rejected - line clear not given"); return b.Discard();
    }
}

void WarningAcceptance(const Bell& b) {
    GameState& g = b.g;
    int shown = g.BoxBellShown[b.Box];
    if (!IsLineClearCode(shown) || g.BoxBellAnswered[b.Box] != 0)
        return b.Refuse(1, "no line clear request waiting");
    if (IncomingBlock(g, b.Box) != LineBlocked) return b.RefuseInstrument("Blocked");
    if (b.Box == 3 || b.Box == 4)
        return b.Refuse(1, "Warning Acceptance only allowed for Up trains");
    if (HomeSignalClear(g, b.Box))
        return b.Refuse(3, "accepting train with home signal still at clear");
    // No clearing point check: the driver is warned that the line is clear only to the home.
    b.SetIncoming(LineClear);
    g.BoxAcceptedCode[b.Box] = static_cast<uint8_t>(shown);
    b.TakeOffIndicator();
    g.BoxWarningGiven[b.Box] = 1;
    int t = g.BoxOfferedTrain[b.Box];
    if (t == 0) return;
    g.TrainTimes[t][RegLineClearGiven] = g.ClockNow;
    g.TrainState[t] = TrainAccepted;
    SetApproachSpeed(g, b.Box, t, Acceptance::Warning);
}

void LineNowClear(const Bell& b) {
    GameState& g = b.g;
    if (b.CallAttentionMissing()) return;
    if (g.BoxWarningGiven[b.Box] == 0) return b.Refuse(1, "no warning acceptance given");
    if (IncomingBlock(g, b.Box) == TrainOnLine) return b.Refuse(1, "train already in section");
    // The branch's clearing point under warning is that of the up main.
    int clearingBox = b.Box == 2 ? 1 : b.Box;
    if (ClearingPointOccupied(g, clearingBox, 0))
        return b.Refuse(2, "clearing point still obstructed");
    b.ClearIndicator();
    g.BoxWarningGiven[b.Box] = 0;
    int t = g.BoxOfferedTrain[b.Box];
    if (t != 0) SetApproachSpeed(g, b.Box, t, Acceptance::WarningLifted);
}

void BlockingBack(const Bell& b) {
    if (b.CallAttentionMissing()) return;
    if (b.Box == 1 || b.Box == 2) return b.Refuse(1, "blocking back where not allowed");
    if (IncomingBlock(b.g, b.Box) != LineBlocked) return b.RefuseInstrument("Blocked");
    b.ClearIndicator();
}

void ShuntForward(const Bell& b) {
    if (b.CallAttentionMissing()) return;
    if (b.Box != 4) return b.Refuse(1, "shunting forward not on LMS loop");
    if (OutgoingBlock(b.g, b.Box) != LineBlocked) return b.RefuseInstrument("Blocked");
    b.ClearIndicator();
}

void ShuntWithdrawn(const Bell& b) {
    if (b.CallAttentionMissing()) return;
    if (b.Box != 4) return b.Refuse(1, "shunting forward not on LMS loop");
    if (OutgoingBlock(b.g, b.Box) != TrainOnLine) return b.RefuseInstrument("Train On Line");
    if (AnyOccupied(b.g, {40, 41}))
        return b.Refuse(1, "sending shunt withdrawn before section is cleared");
    b.ClearIndicator();
}

// The shown train entering section or train out of section must be acknowledged before the
// box will take anything else from us.
bool AcknowledgementOutstanding(const Bell& b) {
    GameState& g = b.g;
    if (b.ShownUnanswered(BellTrainEntering) && b.Code != BellTrainEntering) {
        ShowError(g, "First please acknowledge Train Entering Section");
        b.Discard();
        return true;
    }
    int answer = g.Rules == RuleBook::LMR ? BellCallAttention : BellTrainOut;
    if (b.ShownUnanswered(BellTrainOut) && b.Code != answer) {
        ShowError(g, "First please acknowledge Train Out Of Section");
        b.Discard();
        return true;
    }
    return false;
}

void Judge(const Bell& b) {
    GameState& g = b.g;
    if (AcknowledgementOutstanding(b)) return;
    if (IsLineClearCode(b.Code)) {
        if (b.ShownUnanswered(b.Code)) return AcceptOffer(b);
        return OfferTrain(b);
    }
    switch (b.Code) {
    case BellCallAttention:
        // Under LMR rules one beat acknowledges the box's train out of section.
        if (g.Rules == RuleBook::LMR && b.ShownUnanswered(BellTrainOut)) {
            b.AnswerShown();
            b.Discard();
        }
        return;
    case BellTrainEntering: return TrainEnteringSection(b);
    case BellTrainOut: return TrainOutOfSection(b);
    case BellTrainApproaching:
        ShowNotice(g, "Train Approaching is not authorised for use at Tarrock");
        return b.Discard();
    case BellAssistingInRear:
        ShowNotice(g, "Assistance in rear is not authorised at Tarrock");
        return b.Discard();
    case BellCancel: return CancelLastSignal(b);
    case BellWarningAcceptance: return WarningAcceptance(b);
    case BellLineNowClear: return LineNowClear(b);
    case BellLineOccupied:
        ShowNotice(g, "Permissive working is not in operation");
        return b.Discard();
    case BellBlockingBack: return BlockingBack(b);
    case BellShuntForward: return ShuntForward(b);
    case BellShuntWithdrawn: return ShuntWithdrawn(b);
    default: return;
    }
}

}  // namespace

void SendBell(GameState& g, int box, int code) {
    if (box >= 1 && box <= BoxCount) {
        if (code >= 1 && code <= BellCodeLast)
            Judge(Bell{g, box, code});
        else
            g.BoxBellSent[box] = 0;
    }
    g.PendingBellBox = 0;
    g.PendingBellCode = 0;
}

void TurnInstrument(GameState& g, int box) {
    // Box 2's instrument has no commutator; with automatic instruments none is worked by hand.
    if (g.AutoBlockInstruments || box < 1 || box > BoxCount || box == 2) return;
    uint8_t& incoming = g.BoxBlock[box][1];
    incoming = incoming == LineBlocked ? LineClear
               : incoming == LineClear ? TrainOnLine
                                       : LineBlocked;
}

bool TrainEnteringSectionTowards(const GameState& g, int box) {
    if (box < 1 || box > BoxCount) return false;
    // With the section signal back at danger the train has passed it and is on its way.
    if (IsNormal(g, SectionSignal[box])) return true;
    switch (box) {
    case 1:
        return AnyOccupied(g, {15, 16, 14}) ||
               (AnyOccupied(g, {12, 13}) && RouteSet(g, {{12, 13}, {13, 14}})) ||
               (AnyOccupied(g, {9, 11}) && IsReversed(g, 47));
    case 2:
        return (AnyOccupied(g, {12, 22, 23, 24, 25, 26, 27}) &&
                RouteSet(g, {{23, 24}, {24, 25}, {25, 26}, {26, 27}})) ||
               AnyOccupied(g, {9, 11});
    case 3:
        return Occupied(g, 39) ||
               (AnyOccupied(g, {35, 36, 37, 38}) &&
                RouteSet(g, {{35, 36}, {36, 37}, {37, 38}, {38, 39}})) ||
               AnyOccupied(g, {33, 34});
    default: {
        bool loopSet = RouteSet(g, {{36, 37}, {37, 40}, {40, 41}, {41, 42}});
        bool fromDownMain = loopSet && RouteSet(g, {{9, 8}, {8, 36}});
        return Occupied(g, 42) || (AnyOccupied(g, {35, 36, 37, 40}) && loopSet) ||
               (AnyOccupied(g, {8, 9}) && fromDownMain) || AnyOccupied(g, {33, 34}) ||
               (Occupied(g, 17) && IsReversed(g, 30) && fromDownMain);
    }
    }
}

void SetApproachSpeed(GameState& g, int box, int train, Acceptance acceptance) {
    if (box < 1 || box > BoxCount || train < 1 || train > MaxTrains) return;
    bool passenger = g.TrainClass[train] < 6;
    bool warning = acceptance == Acceptance::Warning;
    bool setLimits = acceptance != Acceptance::WarningLifted;
    int speed = 15;
    switch (box) {
    case 1:
        speed = passenger ? (warning ? 30 : 45) + g.Random.Next(16) : 20 + g.Random.Next(15);
        if (setLimits) {
            g.SectLimit[29] = 40;
            g.SectLimit[30] = warning ? 20 : 17;
        }
        break;
    case 2: speed = passenger ? 30 + g.Random.Next(11) : 20 + g.Random.Next(15); break;
    case 3:
        speed = passenger ? 30 + g.Random.Next(11) : 18 + g.Random.Next(15);
        if (setLimits) {
            g.SectLimit[1] = 25;
            g.SectLimit[43] = 15;
        }
        break;
    default: break;
    }
    // A train due at the box's signal next minute is already slowing for it; one whose time
    // has passed has been standing there.
    int entry = DuePlusLate(g, train) - LeadA(g, box, train);
    if (entry == g.ClockNow + 1) speed /= 2;
    if (entry <= g.ClockNow) speed = 0;
    g.TrainSpeed[train] = speed;
}

bool AcceptanceAllowed(const GameState& g, int box) {
    int t = g.BoxOfferedTrain[box];
    return IncomingBlock(g, box) == LineBlocked && !HomeSignalClear(g, box) &&
           !ConflictingRouteCleared(g, box, t) && !ClearingPointOccupied(g, box, t);
}

bool ToosAllowed(const GameState& g, int box) {
    bool homeClear = box == 2 ? IsReversed(g, 3) : HomeSignalClear(g, box);
    return IncomingBlock(g, box) != LineBlocked && !ToosSectionsOccupied(g, box) &&
           !ToosAlreadySent(g, box) && !homeClear;
}

}  // namespace kv41
