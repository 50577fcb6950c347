#pragma once
// Says the game's messages aloud through the system's speech (SAPI), for a player who asked for
// spoken messages in the options window. The voice queues them and says one after another
// while the game goes on. Where there is no voice, or it fails, the game carries on silent.
#include <string>

struct ISpVoice;

class MessageSpeaker {
public:
    MessageSpeaker() = default;
    ~MessageSpeaker();
    MessageSpeaker(const MessageSpeaker&) = delete;
    MessageSpeaker& operator=(const MessageSpeaker&) = delete;
    void Say(const std::string& text);
    // The player no longer wants them: what the voice still holds is dropped.
    void Quiet();

private:
    ISpVoice* voice_ = nullptr;  // made at the first message to be spoken
    bool failed_ = false;
    bool spoken_ = false;  // something was said since the voice was last quietened
};
