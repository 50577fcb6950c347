#pragma once
// A small INI file reader and writer: "[section]" headings and "key=value" lines. Sections and
// keys match without regard to case, as the desktop platform's own settings files do; lines it
// does not understand (comments, blank lines) are kept as they were when the file is rewritten.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv41 {

// Whether two names are the same letters without regard to case.
bool SameName(std::string_view a, std::string_view b);

class IniFile {
public:
    // Parses a file's text (any of CR LF, LF or CR line ends).
    void Parse(std::string_view text);
    // Reads the file; false (and an empty file) when it is missing or unreadable.
    bool Load(const std::string& path);
    // Writes the whole file beside itself and renames it into place, so that a failed write
    // leaves the old settings as they were.
    bool Save(const std::string& path) const;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Replaces the key's value, or appends the key at the end of its section (the section at
    // the end of the file when there is none), so that new keys stay in the order written.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The file's text, lines ending CR LF.
    std::string Text() const;

private:
    struct Line {
        std::string Raw;      // the line as read or made
        std::string Section;  // the section it belongs to (the heading's name for a heading)
        std::string Key;      // empty unless it is a key=value line
        bool Heading = false;
    };
    std::vector<Line> lines_;
};

// One value of a settings file: fallback when the file, section or key is missing.
std::string ReadIniValue(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback);
// Sets one value and rewrites the file; false when it could not be written.
bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value);

}  // namespace kv41
