#include "panel_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr unsigned char LeftArrow = 165;
constexpr unsigned char RightArrow = 166;

// The family registered from the font file, or empty when there is none.
QString RegisteredFamily() {
    static const QString family = [] {
        const char* candidates[] = {
            "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
            "/usr/share/fonts/TTF/DejaVuSansMono.ttf",
            "/usr/local/share/fonts/DejaVuSansMono.ttf",
        };
        for (const char* path : candidates) {
            if (!QFile::exists(path)) continue;
            const int id = QFontDatabase::addApplicationFont(path);
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) return families.first();
        }
        return QString();
    }();
    return family;
}

QFont FixedFont(int pointSize) {
    const QString family = RegisteredFamily();
    QFont font =
        family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(pointSize);
    font.setKerning(false);
    return font;
}

}  // namespace

QFont PanelFont(int pointSize) {
    return FixedFont(pointSize);
}

QFont TypewriterFont(int pointSize, bool bold) {
    QFont font = FixedFont(pointSize);
    font.setBold(bold);
    return font;
}

void DrawCellCharacter(QPainter& painter, int x, int y, unsigned char code,
                       const QFontMetrics& metrics, int cellWidth) {
    if (code != LeftArrow && code != RightArrow) {
        painter.drawText(x, y + metrics.ascent(),
                         QString(QChar::fromLatin1(static_cast<char>(code))));
        return;
    }
    // An arrow along the middle of the x-height, with a filled head.
    const double mid = y + metrics.ascent() - metrics.xHeight() / 2.0;
    const double left = x + cellWidth * 0.1;
    const double right = x + cellWidth * 0.9;
    const double head = cellWidth * 0.4;
    const double half = std::max(2.0, metrics.xHeight() * 0.35);
    const double tip = code == LeftArrow ? left : right;
    const double base = code == LeftArrow ? left + head : right - head;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen = painter.pen();
    pen.setWidthF(std::max(1.0, cellWidth / 8.0));
    painter.setPen(pen);
    painter.drawLine(QPointF(left, mid), QPointF(right, mid));
    QPainterPath arrowHead;
    arrowHead.moveTo(tip, mid);
    arrowHead.lineTo(base, mid - half);
    arrowHead.lineTo(base, mid + half);
    arrowHead.closeSubpath();
    painter.fillPath(arrowHead, pen.color());
    painter.restore();
}
