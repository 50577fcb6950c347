#include "message_speaker.h"

#include <QTextToSpeech>
#include <utility>

namespace {

// Messages come in bursts (a bell code, a call and a penalty together); more than this waiting
// means speech has fallen behind the game, and the oldest are no longer worth hearing.
constexpr std::size_t MostWaiting = 4;

}  // namespace

MessageSpeaker::MessageSpeaker(std::function<bool()> wanted) : wanted_(std::move(wanted)) {}

MessageSpeaker::~MessageSpeaker() = default;

void MessageSpeaker::Say(const QString& text) {
    if (text.isEmpty() || !wanted_() || !Engine()) return;
    waiting_.push_back(text);
    while (waiting_.size() > MostWaiting) waiting_.pop_front();
    SayNext();
}

// The engine is made only once speech is wanted, so that a player who never asks for it never
// starts the speech service. An engine that cannot be had is not asked for again.
bool MessageSpeaker::Engine() {
    if (failed_) return false;
    if (speech_) return true;
    if (QTextToSpeech::availableEngines().isEmpty()) {
        failed_ = true;
        return false;
    }
    speech_ = std::make_unique<QTextToSpeech>();
    QObject::connect(speech_.get(), &QTextToSpeech::stateChanged,
                     [this](QTextToSpeech::State state) {
                         if (state == QTextToSpeech::Error) {
                             failed_ = true;
                             waiting_.clear();
                         } else if (state == QTextToSpeech::Ready) {
                             SayNext();
                         }
                     });
    if (speech_->state() == QTextToSpeech::Error) failed_ = true;
    return !failed_;
}

void MessageSpeaker::SayNext() {
    if (!wanted_()) waiting_.clear();
    if (failed_ || waiting_.empty() || speech_->state() != QTextToSpeech::Ready) return;
    const QString next = waiting_.front();
    waiting_.pop_front();
    speech_->say(next);
}
