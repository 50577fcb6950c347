#pragma once
// Plays the game's wave files with the system's own player, one after another in the order
// asked for, while the game goes on. Each wave is given its own length, as the file's header
// says, and the silence asked for after it, before the next starts: the system's player may
// return early or late (no device, or a driver that does not keep time), and the beats of a
// bell code must keep their rhythm whatever it does.
#include "windows_api.h"

#include <deque>
#include <string>

class WavePlayer {
public:
    // The window whose timer paces the queue: its WM_TIMER with TimerId calls Next.
    explicit WavePlayer(HWND window) : window_(window) {}
    static constexpr UINT_PTR TimerId = 2;

    // Plays path (empty: silence only) once everything queued before it has played, then
    // keeps silenceAfterMs of silence.
    void Queue(const std::string& path, int silenceAfterMs);
    // Stops what plays and forgets what waits.
    void Stop();
    // The timer: the wave that played has had its time.
    void Next();
    bool Busy() const { return playing_ || !queue_.empty(); }

private:
    struct Wave {
        std::string Path;
        int SilenceAfterMs = 0;
    };
    void StartNext();
    bool HaveOutput();

    HWND window_;
    std::deque<Wave> queue_;
    bool playing_ = false;
    int outputKnown_ = -1;  // -1 not yet asked, 0 none, 1 there is one
};
