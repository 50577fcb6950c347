#pragma once
// Plays wave files to their end before returning, so that the beats of a bell code keep their
// rhythm. On a machine without an audio output it returns at once.
#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    void PlaySync(const QString& path);

private:
    bool HaveOutput();

    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    int outputKnown_ = -1;  // -1 not yet asked, 0 none, 1 there is one
};
