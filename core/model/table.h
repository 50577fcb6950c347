#pragma once
// Fixed-capacity tables indexed from 1 (slot 0 is never used) and bounded texts.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kv41 {

// A table of Last entries, numbered 1..Last; element 0 exists only so that the game's own
// numbering can index it directly.
template <typename T, int Last>
using Table = std::array<T, static_cast<std::size_t>(Last) + 1>;

// A text of bounded length: a longer value is cut when stored, never grown.
template <std::size_t Capacity>
class BoundedText {
public:
    BoundedText() = default;
    BoundedText(std::string_view text) { Assign(text); }  // NOLINT: implicit by design
    BoundedText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    BoundedText& operator=(const std::string& text) { return *this = std::string_view(text); }
    BoundedText& operator=(const char* text) { return *this = std::string_view(text); }

    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }  // NOLINT: implicit by design
    std::string_view view() const { return text_; }
    std::size_t size() const { return text_.size(); }
    bool empty() const { return text_.empty(); }
    static constexpr std::size_t capacity() { return Capacity; }

    friend bool operator==(const BoundedText& a, std::string_view b) { return a.text_ == b; }
    friend bool operator==(const BoundedText& a, const BoundedText& b) {
        return a.text_ == b.text_;
    }
    friend std::string operator+(const BoundedText& a, std::string_view b) {
        return a.text_ + std::string(b);
    }
    friend std::string operator+(std::string_view a, const BoundedText& b) {
        return std::string(a) + b.text_;
    }

private:
    void Assign(std::string_view text) { text_.assign(text.substr(0, Capacity)); }
    std::string text_;
};

}  // namespace kv41
