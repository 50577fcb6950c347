#pragma once
// The levers that the rules name, by their number in the frame (their names as the frame's
// plates give them).
namespace kv41::Levers {

constexpr int UpDistant = 1;
constexpr int UpBranchHome = 3;
constexpr int UpStarter = 4;
constexpr int UpStarterToLmsLoop = 6;
constexpr int UpBranchToDownSidings = 13;
constexpr int ExchangeSidingsUpStarter = 30;
constexpr int SouthCrossover = 33;
constexpr int DownMainToDownBranchStarter = 42;
constexpr int DownMainToExchangeSidingsHome = 43;
constexpr int DownMainStarter = 47;
constexpr int DownMainInnerHome = 48;
constexpr int DownDistant = 51;

}  // namespace kv41::Levers
