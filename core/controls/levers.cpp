#include "controls/levers.h"

#include <string>

#include "controls/interlocking.h"
#include "controls/routes.h"
#include "controls/track_queries.h"
#include "framework/messages.h"
#include "framework/sounds.h"
#include "framework/text_grid.h"
#include "game_state.h"

namespace kv41 {

namespace {

bool PullLever(GameState& g, int lever) {
    TrainCheck check = CheckTrainForLever(g, lever);
    if (check == TrainCheck::Refused) return false;
    if (check == TrainCheck::Pass) SetRoute(g, lever);
    g.LeverNormal[lever] = 0;
    PlayLeverSound(g);
    return true;
}

void RestoreLever(GameState& g, int lever) {
    g.LeverNormal[lever] = 1;
    PlayLeverSound(g);
    if (g.LeverKind[lever] == LeverStop) ClearRoute(g, lever);
}

}  // namespace

bool MoveLever(GameState& g, int lever) {
    if (lever < 1 || lever > LeverCount) return false;
    uint8_t kind = g.LeverKind[lever];
    if (kind == LeverSpare || kind == LeverGap) return false;
    if (g.LeverNormal[lever] != 0) {
        if (!PullChecksPass(g, lever)) return false;
        return PullLever(g, lever);
    }
    if (!RestoreChecksPass(g, lever)) return false;
    RestoreLever(g, lever);
    return true;
}

}  // namespace kv41
