#include "command_words.h"

#include <cctype>

namespace kv41 {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<long long> ParseWholeNumber(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    // Twelve digits are far beyond any value of the game and cannot overflow.
    if (i == text.size() || text.size() - i > 12) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

void CommandWords::SkipBlanks() {
    while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
}

std::optional<std::string> CommandWords::Next() {
    SkipBlanks();
    if (pos_ == line_.size()) return std::nullopt;
    std::size_t start = pos_;
    while (pos_ < line_.size() && !IsBlank(line_[pos_])) ++pos_;
    return std::string(line_.substr(start, pos_ - start));
}

bool CommandWords::AtEnd() {
    SkipBlanks();
    return pos_ == line_.size();
}

std::string CommandWords::Word(std::string_view what) {
    auto word = Next();
    if (!word) throw CommandRefused{"missing " + std::string(what)};
    return *word;
}

long long CommandWords::Number(std::string_view what, long long lo, long long hi) {
    std::string word = Word(what);
    auto value = ParseWholeNumber(word);
    if (!value) throw CommandRefused{std::string(what) + " must be a whole number, not " + word};
    if (*value < lo || *value > hi) {
        throw CommandRefused{std::string(what) + " must be " + std::to_string(lo) + ".." +
                             std::to_string(hi) + ", not " + word};
    }
    return *value;
}

std::string CommandWords::Text(std::string_view what) {
    SkipBlanks();
    if (pos_ == line_.size()) throw CommandRefused{"missing " + std::string(what)};
    if (line_[pos_] != '"') return *Next();
    std::string text;
    for (++pos_; pos_ < line_.size(); ++pos_) {
        char c = line_[pos_];
        if (c == '"') {
            ++pos_;
            if (pos_ < line_.size() && !IsBlank(line_[pos_])) {
                throw CommandRefused{std::string(what) + " must end at its closing quote"};
            }
            return text;
        }
        if (c == '\\' && pos_ + 1 < line_.size() &&
            (line_[pos_ + 1] == '"' || line_[pos_ + 1] == '\\')) {
            c = line_[++pos_];
        }
        text += c;
    }
    throw CommandRefused{std::string(what) + " has no closing quote"};
}

std::string_view CommandWords::Rest() {
    SkipBlanks();
    return line_.substr(pos_);
}

void CommandWords::End() {
    if (auto extra = Next()) throw CommandRefused{"unexpected " + *extra};
}

}  // namespace kv41
