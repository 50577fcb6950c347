#pragma once
// Plays wave files in the background, one after another in the order they were queued, each
// followed by its silence, while the game goes on. The next sound starts when the file's own
// length and its silence have passed, so that the groups of a bell code keep their rhythm
// whatever the audio system reports. On a machine without an audio output nothing plays.
#include <QString>
#include <QTimer>
#include <deque>
#include <map>
#include <memory>

class QSoundEffect;

class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    // An empty path queues silence only.
    void Queue(const QString& path, int silenceAfterMs);
    // Silences what plays and drops the queue.
    void Stop();

private:
    struct Entry {
        QString Path;
        int SilenceAfterMs = 0;
    };
    bool HaveOutput();
    void StartNext();
    QSoundEffect* Effect(const QString& path);

    std::deque<Entry> queue_;
    QTimer next_;  // runs while a sound or its silence lasts
    QSoundEffect* playing_ = nullptr;
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    int outputKnown_ = -1;  // -1 not yet asked, 0 none, 1 there is one
};
