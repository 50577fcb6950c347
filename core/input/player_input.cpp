#include "input/player_input.h"

namespace kv41 {

PlayerInput PlayerInput::Click(int column, int row, int afterMs) {
    PlayerInput input;
    input.Kind = InputKind::Click;
    input.Column = column;
    input.Row = row;
    input.AfterMs = afterMs;
    return input;
}

PlayerInput PlayerInput::Typed(int key) {
    PlayerInput input;
    input.Kind = InputKind::Key;
    input.Key = key;
    return input;
}

PlayerInput PlayerInput::Menu(InputKind kind, std::string name, bool on) {
    PlayerInput input;
    input.Kind = kind;
    input.Name = std::move(name);
    input.On = on;
    return input;
}

void PlayerInputs::Clear() {
    Events.clear();
    Answers.clear();
    BellCodes.clear();
    Files.clear();
}

}  // namespace kv41
