#include "panel_font.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

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

void DrawCellCharacter(QPainter& painter, int x, int y, unsigned char code,
                       const QFontMetrics& metrics) {
    painter.drawText(x, y + metrics.ascent(), QString(QChar::fromLatin1(static_cast<char>(code))));
}
