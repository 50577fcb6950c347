#include "message_speaker.h"
#include "windows_api.h"

#include <sapi.h>

#include "wide_text.h"

MessageSpeaker::~MessageSpeaker() {
    if (voice_) voice_->Release();
}

void MessageSpeaker::Say(const std::string& text) {
    if (text.empty() || failed_) return;
    // The voice is made only once speech is wanted; one that cannot be had is not asked for
    // again.
    if (!voice_ &&
        FAILED(CoCreateInstance(__uuidof(SpVoice), nullptr, CLSCTX_ALL, __uuidof(ISpVoice),
                                reinterpret_cast<void**>(&voice_)))) {
        voice_ = nullptr;
        failed_ = true;
        return;
    }
    // Plain text: a message's "<" is not the start of a speech mark-up tag.
    const std::wstring words = Wide(text);
    if (FAILED(voice_->Speak(words.c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr))) failed_ = true;
    spoken_ = true;
}

void MessageSpeaker::Quiet() {
    if (!spoken_ || !voice_) return;
    spoken_ = false;
    voice_->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
}
