#pragma once
// What happens as the head of a train enters a track section: the section is occupied, and the
// section's own rule judges the route and signals set for the train (bonuses for a clear road,
// penalties and a stop for a wrong route), makes booked platform stops, identifies the train to
// the box ahead and routes trains inside the exchange sidings. Also the delay check at the two
// timing points and the overtaking check at the platform ends.
namespace kv41 {

struct GameState;

// The head of `train` enters section `sect`.
void SectionEntryRules(GameState& g, int sect, int train);

// A wrong route: the train is brought to a stand at the end of `sect`, and its engine whistles.
void BlockRoute(GameState& g, int sect);

// Minutes beyond its lateness that a train may lose before the timing point charges it.
int DelayAllowance(const GameState& g, int train);

// At the timing point (section 11 for trains to lines 1 and 2, 33 for lines 4 and 5): every
// minute lost beyond the allowance costs a point.
void DelayCheck(GameState& g, int train);

// Whether the train, at the end of a platform section, is passing a slower train for the same
// line that stands in Down Siding No. 1.
bool Overtaking(const GameState& g, int train);
// At the end of a platform section: overtaking earns 3 points. True when they were paid.
bool OvertakingCheck(GameState& g, int train);
// After a position is loaded: the bonus counts as paid for a train standing at a platform end
// while it overtakes, since the check has run there with the same train in the siding. Every
// other train's passage starts unpaid; nothing carries over from the game the load replaced.
void DeriveOvertakingPaid(GameState& g);

}  // namespace kv41
