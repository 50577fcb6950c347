#include "framework/ini_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>

#include "framework/file_replace.h"

namespace kv41 {

namespace {

std::string_view Trim(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

void IniFile::Parse(std::string_view text) {
    lines_.clear();
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        start = end;
        if (start < text.size() && text[start] == '\r') ++start;
        if (start < text.size() && text[start] == '\n') ++start;

        Line line{std::string(raw), section, {}, false};
        std::string_view body = Trim(raw);
        if (body.size() >= 2 && body.front() == '[' && body.back() == ']') {
            section = std::string(Trim(body.substr(1, body.size() - 2)));
            line.Section = section;
            line.Heading = true;
        } else if (!body.empty() && body.front() != ';' && body.front() != '#') {
            std::size_t equals = body.find('=');
            if (equals != std::string_view::npos) line.Key = Trim(body.substr(0, equals));
        }
        lines_.push_back(std::move(line));
    }
}

bool IniFile::Load(const std::string& path) {
    lines_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    Parse(text);
    return true;
}

bool IniFile::Save(const std::string& path) const {
    return ReplaceFile(path, Text());
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    for (const Line& line : lines_) {
        if (line.Heading || line.Key.empty()) continue;
        if (!SameName(line.Section, section) || !SameName(line.Key, key)) continue;
        std::string_view raw = line.Raw;
        return std::string(Trim(raw.substr(raw.find('=') + 1)));
    }
    return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string raw = std::string(key) + "=" + std::string(value);
    std::size_t insertAt = lines_.size();
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (!SameName(line.Section, section)) continue;
        if (!line.Heading && SameName(line.Key, key)) {
            line.Raw = line.Key + "=" + std::string(value);  // the file's own spelling kept
            return;
        }
        sectionFound = true;
        // After the section's last key (blank lines and comments after it stay below).
        if (line.Heading || !line.Key.empty()) insertAt = i + 1;
    }
    if (!sectionFound) {
        lines_.push_back({"[" + std::string(section) + "]", std::string(section), {}, true});
        insertAt = lines_.size();
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  {raw, std::string(section), std::string(key), false});
}

std::string IniFile::Text() const {
    std::string text;
    for (const Line& line : lines_) text += line.Raw + "\r\n";
    return text;
}

std::string ReadIniValue(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) {
    IniFile file;
    if (!file.Load(path)) return fallback;
    return file.Get(section, key).value_or(fallback);
}

bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
    IniFile file;
    file.Load(path);  // a missing file is made afresh
    file.Set(section, key, value);
    return file.Save(path);
}

}  // namespace kv41
