// The wait between steps: polls the flags the window's handlers set, and takes one action.
#include "session/event_wait.h"

#include <algorithm>
#include <string_view>

#include "controls/block_working.h"
#include "controls/tapper.h"
#include "framework/messages.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "model/clock.h"
#include "panel/click_regions.h"
#include "platform/platform.h"
#include "session/dispatch.h"
#include "session/main_loop.h"
#include "session/scripted_input.h"
#include "session/window_input.h"

namespace kv41 {

namespace {

constexpr int PollMs = 200;
constexpr int FastIntervalMs = 100;
constexpr const char* SpeedUpNotice = " Speeded up until next need for action";

// The departure of a train that terminated in a down siding has been called: it stands there
// until the signalman sets its route.
bool DownSidingDepartureUnderWay(const GameState& g) {
    for (int section : {19, 20}) {
        int train = g.SectTrain[static_cast<std::size_t>(section)];
        if (train < 1 || train > MaxTrains) continue;
        const auto t = static_cast<std::size_t>(train);
        if (g.TrainFrom[t] == 3 && g.TrainTimes[t][RegLineClearGiven] != NoTime) return true;
    }
    return false;
}

void ShowSpeedUpNotice(GameState& g) {
    if (g.SpeedUpNoticeShown && !g.FastMode) {
        g.SpeedUpNoticeShown = false;
        ClearMessageLine(g);
    }
    if (g.FastMode && !g.SpeedUpNoticeShown) {
        ShowLineMessage(g, SpeedUpNotice, Black, LightYellow);
        g.SpeedUpNoticeShown = true;
    }
}

// Fast running asked for while something needs the player: he is told what.
void ShowFastRefused(GameState& g) {
    std::string why = "a train is in the area";
    if (g.TrainsInArea <= 0) why = "a departure waits in a down siding";
    for (int box = BoxCount; box >= 1; --box) {
        const auto b = static_cast<std::size_t>(box);
        if (g.BoxBellShown[b] != 0 && g.BoxBellAnswered[b] == 0) {
            std::string name = g.BoxName[b].str();
            while (!name.empty() && name.back() == ' ') name.pop_back();
            why = name + "'s bell waits for an answer";
        }
    }
    ShowLineMessage(g, " Not speeded up: " + why, Black, LightYellow);
}

void ArmTimer(GameState& g) {
    g.TimerIntervalMs = g.FastMode ? FastIntervalMs : g.TickSeconds * 1000;
    g.TimerDue = false;
    g.Host->SetTimerInterval(g.TimerIntervalMs);
    EnableGameMenu(g);
    g.ActionCode = 0;
}

// The status lines above and below the message line are for the action under way only.
void BlankStatusLine(GameState& g, int row, std::size_t memory) {
    MoveCursor(g, 1, row);
    WriteBlanks(g, g.GridColumnCount);
    g.BottomLines[memory] = "";
}

void FinishWait(GameState& g) {
    DefaultColours(g);
    BlankStatusLine(g, g.GridRowCount - 2, 0);
    if (!g.MessageRunsOn) BlankStatusLine(g, g.GridRowCount, 2);
    g.ClickPending = false;
    g.ClickWasTap = false;
    g.ActionCode = 0;
}

// A tapped code ends by itself two seconds after its last beat, when a further beat would no
// longer count, as a click on nothing would end it: so the clock does not stand still waiting
// for a click, and a replay, which ends such a code with a click on nothing, plays it alike. A
// scripted tick stands for that pause: ticks come only once the code is over.
bool EndTappedCodeIfOver(GameState& g) {
    if (!g.BellTapping) return false;
    const bool tickNext = g.Inputs.Pending() && g.Inputs.Events.front().Kind == InputKind::Tick;
    if (!tickNext && (g.Inputs.Pending() || TapEndsInMs(g, g.Host->TimeOfDayMs()) > 0)) {
        return false;
    }
    ClickCell(g, GridColumns, 1, TapEndTime(g));
    return true;
}

// How long the wait may sleep: not past the moment a tapped code ends by itself.
int WaitMs(GameState& g) {
    if (!g.BellTapping) return PollMs;
    return std::clamp(TapEndsInMs(g, g.Host->TimeOfDayMs()), 1, PollMs);
}

// The player's click has taken the box back from the automatic signalman: he is told so once
// the click's own action has left the message line free.
void ShowBoxTakenBack(GameState& g) {
    if (!g.BoxTakenBack || g.BellTapping || !BottomLine(g, g.GridRowCount - 1).empty()) return;
    g.BoxTakenBack = false;
    ShowLineMessage(g, " You have the box: the automatic signalman has stopped", Black,
                    LightYellow);
}

// The letter key whose command the wait dispatches.
void RecordKey(GameState& g) {
    constexpr std::string_view Letters = "HRTWMLQK";
    if (g.ActionCode >= ActionHeld && g.ActionCode <= ActionKeys) {
        g.Recorder->KeyTaken(Letters[static_cast<std::size_t>(g.ActionCode - ActionHeld)]);
    }
}

}  // namespace

bool PlayerNeeded(GameState& g) {
    if (g.TrainsInArea < 0) g.TrainsInArea = 0;
    if (g.TrainsInArea > 0 || DownSidingDepartureUnderWay(g)) return true;
    for (int box = 1; box <= BoxCount; ++box) {
        // A code standing unanswered on the box's bell indicator wants the signalman. The
        // indicator is the measure, not the box's record of the code it awaits: that record
        // is not kept for the call attention before train out of section, not cleared when the
        // LMR book takes the instrument as the answer, and not carried by the position file.
        const auto b = static_cast<std::size_t>(box);
        if (g.BoxBellShown[b] != 0 && g.BoxBellAnswered[b] == 0) return true;
    }
    return false;
}

void WaitForAction(GameState& g) {
    g.AwaitingAction = true;
    if (g.PendingBellBox != 0 && g.PendingBellCode != 0) {
        // The code has been played already; judging it brings the next step forward.
        SendBell(g, g.PendingBellBox, g.PendingBellCode);
        FinishWait(g);
        return;
    }
    g.HelpContext = 410;
    const bool needed = PlayerNeeded(g);
    if (needed) EndSpeedUp(g);
    ShowSpeedUpNotice(g);
    if (needed && g.FastAsked) ShowFastRefused(g);
    if (needed || g.FastMode) g.FastAsked = false;
    ArmTimer(g);

    // A key ends the wait as a click does, so that the letter keys answer as quickly as the
    // legend; a speed change (AwaitingAction cleared) ends it without a step as well.
    while (!g.ClickPending && !g.KeyActionPending && !g.TimerDue && !g.EndRequested &&
           g.AwaitingAction) {
        if (EndTappedCodeIfOver(g)) break;
        if (TakeScriptedInput(g) || (g.AutoTurn && g.AutoTurn(g))) continue;
        g.Host->WaitForEvents(WaitMs(g));
    }

    const bool stepDue = g.TimerDue;
    g.TimerDue = false;
    if (g.ClickPending || g.KeyActionPending) {
        DisableGameMenu(g);
        // A key typed in the wait that the timer ended anyway is taken before that step.
        if (g.ClickPending || !stepDue) g.AwaitingAction = false;
        g.KeyActionPending = false;
        if (g.Recorder && g.ClickPending) g.Recorder->ClickTaken(g);
        if (g.Recorder && !g.ClickPending) RecordKey(g);
        if (g.ClickPending) {
            // A click replaces a key command typed in the same wait.
            g.ActionCode = HitTest(g, g.ClickColumn, g.ClickRow);
            ClearMessageLine(g);
            g.ClickPending = false;
        }
        // A code whose tapping this click ended was meant before the click: it is judged
        // first, so that turning an instrument or pulling a lever after it cannot spoil it.
        if (g.PendingBellBox != 0 && g.PendingBellCode != 0) {
            SendBell(g, g.PendingBellBox, g.PendingBellCode);
        }
        DispatchAction(g, g.ActionCode);
    }
    ShowBoxTakenBack(g);
    // A tick is recorded where a step follows it: one lost to a click, a speed change or a
    // wish to end is lost in the replay too.
    if (g.Recorder && stepDue && g.AwaitingAction && !g.EndRequested) g.Recorder->TickTaken();
    FinishWait(g);
}

}  // namespace kv41
