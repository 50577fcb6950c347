// The wait between steps. (Dispatch of clicks and keys comes with the controls.)
#include "controls/event_wait.h"

#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

void WaitForAction(GameState& g) {
    g.AwaitingAction = true;
    for (;;) {
        if (g.EndRequested) return;
        if (g.ClickPending) {
            g.ClickPending = false;
            g.AwaitingAction = false;
            return;
        }
        if (g.KeyActionPending) {
            g.KeyActionPending = false;
            g.AwaitingAction = false;
            return;
        }
        if (g.TimerDue) {
            g.TimerDue = false;
            return;
        }
        if (!g.AwaitingAction) return;  // a speed change ends the wait without a step
        g.Host->WaitForEvents(200);
    }
}

}  // namespace kv41
