// From action code to the control, window or command it stands for.
#include "session/dispatch.h"

#include "controls/bell_window.h"
#include "controls/block_working.h"
#include "controls/tapper.h"
#include "framework/message_window.h"
#include "game_state.h"
#include "panel/click_regions.h"
#include "panel/key_legend.h"
#include "platform/platform.h"
#include "session/lever_click.h"
#include "windows/info_windows.h"

namespace kv41 {

namespace {

// The frame's region reaches column 52, the column of lever 51; anything beyond is no lever.
constexpr int LastLeverColumn = LeverCount + 1;

}  // namespace

void DispatchAction(GameState& g, int code) {
    switch (code) {
    case ActionLeverFrame:
        if (g.ClickColumn <= LastLeverColumn) OperateLever(g, g.ClickColumn - 1);
        break;
    case ActionHeld: g.Host->ShowInfoWindow(BuildHeldWindow(g)); break;
    case ActionRegister: g.Host->ShowInfoWindow(BuildRegisterWindow(g)); break;
    case ActionTrains: g.Host->ShowInfoWindow(BuildApproachingWindow(g)); break;
    case ActionWtt: g.Host->ShowInfoWindow(BuildWttWindow(g)); break;
    case ActionMessages: g.Host->ShowInfoWindow(BuildMessagesWindow(g)); break;
    case ActionKeys: g.Host->ShowInfoWindow(BuildKeyListWindow(g)); break;
    case ActionLearning:
        g.LearningMode = !g.LearningMode;
        DrawKeyLegend(g);
        break;
    case ActionQuit: g.EndRequested = true; break;
    default:
        if (code >= ActionTapperFirst && code <= ActionTapperLast) {
            // A click the tapper took as a beat of the code under way does not start a new one.
            if (!g.ClickWasTap) StartTapping(g, code - (ActionTapperFirst - 1));
            ShowTapProgress(g);
        } else if (code >= ActionBoxNameFirst && code <= ActionBoxNameLast) {
            ChooseBell(g, code - (ActionBoxNameFirst - 1));
        } else if (code >= ActionInstrumentFirst && code <= ActionInstrumentLast) {
            TurnInstrument(g, code - (ActionInstrumentFirst - 1));
        }
        break;
    }
}

}  // namespace kv41
