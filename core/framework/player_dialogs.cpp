#include "framework/player_dialogs.h"

#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

bool AskPlayer(GameState& g, const std::string& text) {
    if (g.Inputs.Answers.empty()) {
        bool answer = g.Host->AskYesNo(text, g.HelpContext);
        if (g.Recorder) g.Recorder->Answered(answer);
        return answer;
    }
    bool answer = g.Inputs.Answers.front();
    g.Inputs.Answers.pop_front();
    g.Host->Report(Output::Ask, text + (answer ? " -> yes" : " -> no"));
    if (g.Recorder) g.Recorder->Answered(answer);
    return answer;
}

std::optional<int> ChooseBellCodeFor(GameState& g, int box) {
    if (g.Inputs.BellCodes.empty()) return g.Host->ChooseBellCode(box, 0);
    int code = g.Inputs.BellCodes.front();
    g.Inputs.BellCodes.pop_front();
    return code;
}

std::optional<std::string> ChooseFileFor(GameState& g, const FileChoice& choice) {
    if (g.Inputs.Files.empty()) return g.Host->ChooseFile(choice);
    std::optional<std::string> name = g.Inputs.Files.front();
    g.Inputs.Files.pop_front();
    return name;
}

}  // namespace kv41
