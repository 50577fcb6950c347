#include "panel_font.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <map>
#include <memory>

#include "framework/program_files.h"

bool PanelFontAvailable() {
    static const bool registered = [] {
        const QString file = QCoreApplication::applicationDirPath() + "/" + kv41::FontFileName;
        const int id = QFontDatabase::addApplicationFont(file);
        return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(PanelFamily);
    }();
    return registered;
}

QFont PanelFont(int pointSize) {
    PanelFontAvailable();
    QFont font(PanelFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(pointSize);
    font.setKerning(false);
    return font;
}

QFont TypewriterFont(int pointSize, bool bold) {
    QFont font = PanelFont(pointSize);
    font.setBold(bold);
    return font;
}

CellFont::CellFont(int pointSize) {
    const QFont font = PanelFont(pointSize);
    const QFontMetrics metrics(font);
    cell_ = metrics.horizontalAdvance(QChar('W'));
    ascent_ = metrics.ascent();
    height_ = metrics.height();
    raw_ = QRawFont::fromFont(font);
    for (int code = 0; code < 256; ++code) {
        const QList<quint32> glyph =
            raw_.glyphIndexesForString(QString(QChar::fromLatin1(static_cast<char>(code))));
        glyphs_[static_cast<std::size_t>(code)] = glyph.isEmpty() ? 0 : glyph.first();
    }
}

void CellFont::Draw(QPainter& painter, int x, int y, std::string_view text) const {
    // Kept between calls: the panel is drawn a few hundred strings at a time.
    static QList<quint32> indexes;
    static QList<QPointF> positions;
    indexes.clear();
    positions.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code == ' ') continue;
        indexes.append(glyphs_[code]);
        positions.append(QPointF(static_cast<qreal>(i) * cell_, ascent_));
    }
    if (indexes.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(x, y), run);
}

const CellFont& CellFontOf(int pointSize) {
    static std::map<int, std::unique_ptr<CellFont>> fonts;
    auto& font = fonts[pointSize];
    if (!font) font = std::make_unique<CellFont>(pointSize);
    return *font;
}
