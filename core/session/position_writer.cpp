// Writing a position: the run-time state of the game as lines of blank-separated numbers and
// short texts, in a fixed order that the reader takes back.
#include <string>

#include "framework/messages.h"
#include "game_state.h"
#include "session/position_fields.h"
#include "session/position_file.h"

namespace kv41 {

namespace {

class Record {
public:
    // A number right-aligned in its width. A number too wide for it is written in full, with a
    // blank before it all the same, so that it can still be read back as a token of its own.
    Record& Int(long long value, int width) {
        std::string digits = std::to_string(value);
        if (digits.size() < static_cast<std::size_t>(width)) {
            digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
        }
        if (!line_.empty() && digits.front() != ' ') line_ += ' ';
        line_ += digits;
        return *this;
    }
    // A text; after numbers on the same line, exactly one blank separates it from them. A line
    // break inside it would split the record, so none is written.
    Record& Text(std::string_view text) {
        if (!line_.empty()) line_ += ' ';
        for (char c : text) line_ += (c == '\r' || c == '\n') ? ' ' : c;
        return *this;
    }
    void EndInto(std::string& file) {
        file += line_;
        file += "\r\n";
        line_.clear();
    }

private:
    std::string line_;
};

}  // namespace

std::string PositionText(const GameState& g) {
    std::string file;
    Record r;
    r.Int(g.Points, 5).Text(g.ProgramDate.view()).EndInto(file);
    r.Text(SimIdentity).EndInto(file);
    for (const PositionLine& line : PositionLayout()) {
        const bool perRow = line.Rows != Span::None;
        const int rows = perRow ? SpanCount(g, line.Rows) : 1;
        for (int row = 1; row <= rows; ++row) {
            const int index = perRow ? row : 0;
            for (const PositionItem& item : line.Items) {
                if (item.Field->Text) {
                    r.Text(FieldText(g, *item.Field, index));
                } else {
                    r.Int(FieldValue(g, *item.Field, index, item.Index2), item.Width);
                }
            }
            r.EndInto(file);
        }
    }
    return file;
}

bool WritePosition(GameState& g, const std::string& fileName, const FileWriter& writer) {
    if (ReplaceFile(fileName, PositionText(g), writer)) return true;
    ShowError(g, "Unable to write file - disk may be full or write-protected");
    // A quit that was to save first must not end the game on a position that was not kept.
    g.EndRequested = false;
    return false;
}

}  // namespace kv41
