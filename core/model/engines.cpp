// The engine numbers of the day: each run draws its own from lists of engines of the period
// that could plausibly work the junction's traffic.
#include <array>
#include <string>

#include "game_state.h"
#include "model/timetable.h"

namespace kv41 {

namespace {

using Candidates = std::array<std::string_view, 4>;

// Freight engines of the London Midland side.
constexpr Candidates Lmr8FA{"48898", "48412", "48735", "48104"};
constexpr Candidates Lmr8FB{"48460", "48317", "48520", "48679"};
constexpr Candidates Lmr7F{"49433", "49120", "49276", "49018"};
constexpr Candidates LmrCrabA{"42784", "42900", "42822", "42763"};
constexpr Candidates LmrCrabB{"42859", "42790", "42749", "42818"};
constexpr Candidates Lmr4FA{"44271", "44123", "44569", "43924"};
constexpr Candidates Lmr4FB{"44092", "44566", "43956", "44314"};
constexpr Candidates LmrIvatt4{"43017", "43013", "43046", "43039"};
// Tank engines for light running to and from the yard.
constexpr Candidates Wr57xx{" 3677", " 9711", " 8745", " 7722"};
constexpr Candidates Wr42xx{" 4271", " 5243", " 4286", " 5205"};
constexpr Candidates Wr94xx{" 8431", " 9481", " 8493", " 8402"};
constexpr Candidates LmrJinty{"47422", "47276", "47660", "47515"};
// Western heavy freight.
constexpr Candidates Wr28xxA{" 2815", " 2834", " 2861", " 2807"};
constexpr Candidates Wr28xxB{" 2882", " 2853", " 2876", " 2891"};
constexpr Candidates Wr38xxA{" 3822", " 3845", " 3808", " 3861"};
constexpr Candidates Wr38xxB{" 3830", " 3859", " 3812", " 3866"};
constexpr Candidates Wr72xx{" 7224", " 7202", " 7249", " 7213"};
constexpr Candidates WdA{"90312", "90685", "90148", "90573"};
constexpr Candidates WdB{"90226", "90701", "90469", "90037"};
constexpr Candidates WdC{"90520", "90158", "90629", "90394"};
constexpr Candidates Std9F{"92001", "92005", "92007", "92003"};
constexpr Candidates Std5{"73031", "73024", "73014", "73040"};
// Mixed traffic.
constexpr Candidates Wr43xx{" 6364", " 7314", " 5396", " 6330"};
constexpr Candidates WrGrange{" 6812", " 6856", " 6829", " 6874"};
constexpr Candidates Wr22xx{" 2236", " 2287", " 3205", " 2251"};
constexpr Candidates WrHall{" 4903", " 5936", " 6917", " 4958"};
constexpr Candidates WrModHall{" 6983", " 7912", " 6970", " 7905"};
constexpr Candidates LmrBlack5{"45406", "44856", "45274", "44965"};
constexpr Candidates WrManor{" 7808", " 7815", " 7822", " 7801"};
constexpr Candidates WrCounty{" 1011", " 1024", " 1002", " 1017"};
// Branch tanks.
constexpr Candidates Wr14xx{" 1458", " 1421", " 1444", " 1409"};
constexpr Candidates Wr45xx{" 5539", " 4573", " 5508", " 5572"};
constexpr Candidates Wr51xx{" 4138", " 5173", " 4110", " 4155"};
constexpr Candidates Lmr2MT{"41240", "41208", "41302", "41227"};
// Express passenger.
constexpr Candidates WrCastle{" 5017", " 7011", " 5094", " 4085"};
constexpr Candidates LmrJubilee{"45699", "45577", "45610", "45682"};
// Diesel railcars.
constexpr Candidates WrRailcar{"  W5W", " W19W", " W20W", " W32W"};

// The picks in their fixed order; the place of a pick is the engine's index, which the
// timetable rows name. No list is used more often than it has distinct numbers, so a pick
// always finds a free one.
constexpr const Candidates* Picks[] = {
    &Lmr8FA,    &Lmr8FA,    &Lmr8FB,    &Lmr8FB,     &Lmr7F,     &Lmr7F,    // 1-6
    &LmrCrabA,  &LmrCrabA,  &Lmr4FA,                                        // 7-9
    &Wr57xx,    &Wr57xx,    &Wr42xx,    &Wr42xx,     &Wr94xx,    &Wr94xx,   // 10-15
    &LmrJinty,  &LmrJinty,                                                  // 16-17
    &Wr28xxA,   &Wr28xxA,   &Wr38xxA,   &Wr38xxA,    &Wr28xxB,   &Wr28xxB,  // 18-23
    &Wr38xxB,   &Wr38xxB,   &Wr72xx,    &Wr72xx,                            // 24-27
    &WdA,       &WdA,       &WdB,       &WdB,        &WdC,       &WdC,      // 28-33
    &Wr14xx,    &Wr14xx,    &Wr45xx,    &Wr45xx,     &Wr51xx,    &Wr51xx,   // 34-39
    &Lmr2MT,                                                                // 40
    &WrHall,    &WrHall,    &WrModHall, &LmrBlack5,  &LmrBlack5, &WrManor,  // 41-46
    &WrCounty,  &WrCastle,  &WrCastle,  &LmrJubilee, &WrRailcar,            // 47-51
    &Wr43xx,    &Wr43xx,    &WrGrange,  &WrGrange,   &Wr22xx,    &Wr22xx,   // 52-57
    &Lmr4FB,    &Lmr4FB,    &Std9F,     &Std9F,      &Std5,      &Std5,     // 58-63
    &LmrIvatt4, &LmrIvatt4, &LmrCrabB,  &LmrCrabB,                          // 64-67
};
constexpr int LastListedEngine = 67;  // engine 68 is drawn from a run of numbers
static_assert(std::size(Picks) == LastListedEngine);

constexpr std::size_t EngineNumberWidth = 5;

std::string RightAligned(std::string_view number) {
    std::string text(number.substr(0, EngineNumberWidth));
    return std::string(EngineNumberWidth - text.size(), ' ') + text;
}

// The prefix followed by n written with (at least) two digits.
std::string RangeNumber(std::string_view prefix, int n) {
    return RightAligned(std::string(prefix) + (n < 10 ? "0" : "") + std::to_string(n));
}

bool EngineTaken(const GameState& g, std::string_view number) {
    for (int e = 1; e <= g.EngineCount; ++e)
        if (g.EngineNumber[e] == number) return true;
    return false;
}

void AppendEngine(GameState& g, const std::string& number) {
    if (g.EngineCount >= MaxEngines) return;
    g.EngineNumber[++g.EngineCount] = number;
}

}  // namespace

void PickEngine(GameState& g, std::array<std::string_view, 4> candidates) {
    // A list whose every number is already taken would make the draws go on for ever.
    bool anyFree = false;
    for (std::string_view candidate : candidates)
        anyFree = anyFree || !EngineTaken(g, RightAligned(candidate));
    if (!anyFree) return;
    std::string number;
    do {
        // 0 counts as 1, so the first candidate is the likeliest.
        const int b = g.Random.Next(5);
        number = RightAligned(candidates[b == 0 ? 0 : b - 1]);
    } while (EngineTaken(g, number));
    AppendEngine(g, number);
}

void PickEngineInRange(GameState& g, std::string_view prefix, int base, int span) {
    bool anyFree = false;
    for (int n = base; n < base + span; ++n)
        anyFree = anyFree || !EngineTaken(g, RangeNumber(prefix, n));
    if (!anyFree) return;
    std::string number;
    do {
        number = RangeNumber(prefix, base + g.Random.Next(span));
    } while (EngineTaken(g, number));
    AppendEngine(g, number);
}

void BuildEngines(GameState& g) {
    g.EngineCount = 0;
    for (const Candidates* list : Picks) PickEngine(g, *list);
    PickEngineInRange(g, "620", 31, 10);
}

}  // namespace kv41
