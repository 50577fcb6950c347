#pragma once
// Plays the game's wave files with the system's own player. A wave is started at once and waited
// on for its own length, as the file's header gives it: the system's player may return early
// (no device, or a driver that does not keep time), and the beats of a bell code must keep
// their rhythm whatever it does.
#include <functional>
#include <string>

class WavePlayer {
public:
    // While a wave plays, the window's paints and timers go on (wait is given the milliseconds
    // left and delivers them); the player's input waits until the sound has ended.
    void PlaySync(const std::string& path, const std::function<void(int)>& wait);

private:
    bool HaveOutput();
    int outputKnown_ = -1;  // -1 not yet asked, 0 none, 1 there is one
};
