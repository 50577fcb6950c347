#pragma once
// Reading the words of one console command: bare words, quoted texts and whole numbers,
// with a reason for the player whenever an argument is missing or unfit.
#include <optional>
#include <string>
#include <string_view>

namespace kv41 {

// A command that cannot be carried out. Malformed input (a typing fault in the script) makes
// the console's exit status 1; a command that is merely not allowed now does not.
struct CommandRefused {
    std::string Reason;
    bool Malformed = true;
};

// A decimal whole number, with an optional sign, and nothing else; none when the text is not
// one or is too long to be a sensible value.
std::optional<long long> ParseWholeNumber(std::string_view text);

class CommandWords {
public:
    explicit CommandWords(std::string_view line) : line_(line) {}

    // The next blank-separated word; none at the end of the line.
    std::optional<std::string> Next();
    bool AtEnd();
    // The next word, which must be present.
    std::string Word(std::string_view what);
    // The next word as a whole number in lo..hi.
    long long Number(std::string_view what, long long lo, long long hi);
    // A text: either "in double quotes" (with \" and \\ inside) or a single bare word.
    std::string Text(std::string_view what);
    // What is left of the line, leading blanks skipped.
    std::string_view Rest();
    // Refuses the command if anything is left on the line.
    void End();

private:
    void SkipBlanks();
    std::string_view line_;
    std::size_t pos_ = 0;
};

}  // namespace kv41
