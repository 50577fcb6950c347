#include "replay/replay_script.h"

#include <charconv>
#include <sstream>

#include "framework/file_replace.h"
#include "game_state.h"
#include "model/clock.h"
#include "panel/key_map.h"
#include "session/scripted_input.h"

namespace kv41 {

namespace {

int Number(const std::vector<std::string>& words, std::size_t i, int fallback = 0) {
    if (i >= words.size()) return fallback;
    int value = fallback;
    std::from_chars(words[i].data(), words[i].data() + words[i].size(), value);
    return value;
}

std::string Word(const std::vector<std::string>& words, std::size_t i) {
    return i < words.size() ? words[i] : std::string();
}

// A file's name taken in the replay's own directory, whatever directory it was recorded in.
std::string InDirectory(const std::string& directory, const std::string& file) {
    std::size_t slash = file.find_last_of("/\\");
    return FileInDirectory(directory, slash == std::string::npos ? file : file.substr(slash + 1));
}

}  // namespace

std::vector<std::string> ReplayWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) ++i;
                word += line[i];
            }
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
                word += line[i++];
            }
        }
        words.push_back(word);
    }
    return words;
}

bool ReplayScript::Read(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    bool seeded = false, started = false;
    std::string held;
    while (std::getline(in, line)) {
        if (started) {
            Lines.push_back(line);
            continue;
        }
        std::vector<std::string> words = ReplayWords(line);
        if (words.empty() || words[0][0] == '#') continue;
        if (words[0] == "seed") {
            Seed = static_cast<uint32_t>(std::stoul(Word(words, 1).empty() ? "0" : words[1]));
            seeded = true;
        } else if (words[0] == "position") {
            held += Word(words, 1) + "\r\n";
        } else if (words[0] == "new") {
            Shift = Number(words, 1, 1);
            Level = Number(words, 2, 1);
            started = true;
        } else if (words[0] == "resume") {
            StartFile = Word(words, 1);
            StartText = held;
            started = true;
        }
    }
    return seeded && started;
}

int QueueReplayLine(GameState& g, const std::string& line, const std::string& directory,
                    std::string& held) {
    std::vector<std::string> w = ReplayWords(line);
    if (w.empty() || w[0][0] == '#') return -1;
    const std::string& name = w[0];
    auto menu = [&](InputKind kind, std::string text = {}, bool on = false) {
        g.Inputs.Events.push_back(PlayerInput::Menu(kind, std::move(text), on));
    };
    if (name == "step") return Number(w, 1, 1);
    if (name == "click") {
        g.Inputs.Events.push_back(PlayerInput::Click(Number(w, 1), Number(w, 2),
                                                     Word(w, 3) == "after" ? Number(w, 4) : -1));
    } else if (name == "key" && !Word(w, 1).empty()) {
        g.Inputs.Events.push_back(PlayerInput::Typed(KeyFromName(Word(w, 1))));
    } else if (name == "lever") {
        QueueLever(g, Number(w, 1));
    } else if (name == "bell") {
        QueueBell(g, Number(w, 1), Number(w, 2));
    } else if (name == "tap") {
        std::vector<int> gaps;
        bool then = false;
        for (std::size_t i = 2; i < w.size(); ++i) {
            if (w[i] == "then") {
                then = true;
            } else {
                gaps.push_back(Number(w, i));
            }
        }
        QueueTap(g, Number(w, 1), gaps, then);
    } else if (name == "instrument") {
        QueueInstrument(g, Number(w, 1));
    } else if (name == "answer") {
        g.Inputs.Answers.push_back(Word(w, 1) == "yes");
    } else if (name == "option") {
        menu(InputKind::Option, Word(w, 1), Word(w, 2) == "on");
    } else if (name == "rules") {
        menu(InputKind::Rules, Word(w, 1));
    } else if (name == "pause" || name == "unpause") {
        menu(InputKind::Pause, {}, name == "pause");
    } else if (name == "fast") {
        menu(InputKind::Fast);
    } else if (name == "quit") {
        menu(InputKind::Quit);
    } else if (name == "save") {
        menu(InputKind::Save, InDirectory(directory, Word(w, 1)));
    } else if (name == "position") {
        held += Word(w, 1) + "\r\n";
    } else if (name == "restart") {
        std::string file = InDirectory(directory, Word(w, 1));
        if (!held.empty()) ReplaceFile(file, held);
        held.clear();
        menu(InputKind::Restart, file);
    } else if (name == "set" && Word(w, 1) == "ProgramDate") {
        g.ProgramDate = Word(w, 2);
    } else if (name == "set" && Word(w, 1) == "TickSeconds") {
        g.TickSeconds = Number(w, 2, g.TickSeconds);
    } else {
        return -1;
    }
    return 0;
}

}  // namespace kv41
