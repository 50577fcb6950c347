#pragma once
// An input stream whose lines are made only when the console reads them: the console asks for
// its next command only when the game waits for the player, so each line can be decided on
// the game as it then stands.
#include <functional>
#include <streambuf>
#include <string>
#include <utility>

namespace kv41 {

class LineSource : public std::streambuf {
public:
    explicit LineSource(std::function<std::string()> next) : next_(std::move(next)) {}

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        line_ = next_();
        if (line_.empty()) return traits_type::eof();
        line_ += '\n';
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::function<std::string()> next_;
    std::string line_;
};

}  // namespace kv41
