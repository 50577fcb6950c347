// Placeholder until the yard lands.
#include "running/yard.h"

namespace kv41 {
void MarkYardBusy(GameState&) {}
void YardTimerStep(GameState&) {}
void YardTimerExpired(GameState&) {}
void YardRelease(GameState&) {}
void ReadyInYard(GameState&, int) {}
void HoldInYard(GameState&) {}
void AnnounceHeldDeparture(GameState&) {}
void RemindHeldDeparture(GameState&, int) {}
void TerminateInDownSiding(GameState&, int, int) {}
void DownSidingDepartureReady(GameState&, int) {}
}  // namespace kv41
