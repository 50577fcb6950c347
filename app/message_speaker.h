#pragma once
// Says the game's messages aloud through the system's speech service, for a player who asked
// for spoken messages in the options window. One message is said after another, as they came;
// a long backlog loses its oldest, since the game does not wait for speech. Where there is no
// speech service, or it fails, the game carries on silent.
#include <QString>
#include <deque>
#include <functional>
#include <memory>

class QTextToSpeech;

class MessageSpeaker {
public:
    // `wanted` tells whether the player still wants messages spoken: what waits is dropped once
    // not.
    explicit MessageSpeaker(std::function<bool()> wanted);
    ~MessageSpeaker();
    void Say(const QString& text);

private:
    bool Engine();
    void SayNext();

    std::function<bool()> wanted_;
    std::unique_ptr<QTextToSpeech> speech_;  // made at the first message to be spoken
    std::deque<QString> waiting_;
    bool failed_ = false;
};
