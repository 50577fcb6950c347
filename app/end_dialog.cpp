#include "end_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "debrief/debrief_text.h"
#include "dialog_picture.h"
#include "panel_font.h"

namespace {

constexpr int SmallestNameSize = 9;

QLabel* Line(QDialog* dialog, const QString& text, int x, int y, int pixelSize, bool bold) {
    auto* label = new QLabel(text, dialog);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

}  // namespace

EndDialog::EndDialog(const QString& rating, const QString& pointScore, const QString& perCent,
                     std::function<bool()> review, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("TOLA end of session");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(462, 273);
    auto* picture = new QLabel(this);
    picture->setPixmap(SignalBoxPicture());
    picture->setGeometry(16, 16, 121, 129);
    QLabel* name = Line(this, "Tarrock Junction Signal Box Summer 1954", 160, 24, 13, true);
    // The name stands on one line beside the picture: a system font wider than the dialog
    // was drawn for is set smaller until it fits.
    QFont nameFont = name->font();
    const int room = width() - 160 - 8;
    while (nameFont.pixelSize() > SmallestNameSize &&
           QFontMetrics(nameFont).horizontalAdvance(name->text()) > room) {
        nameFont.setPixelSize(nameFont.pixelSize() - 1);
    }
    name->setFont(nameFont);
    name->adjustSize();
    // The score lines keep their blanks, so that the numbers, right-aligned in their fields,
    // line up in a fixed-width face.
    for (const auto& [text, top] : {std::pair{rating, 160}, {pointScore, 200}, {perCent, 240}}) {
        QLabel* line = Line(this, text, 16, top, 13, false);
        QFont fixed = TypewriterFont(10);
        fixed.setPixelSize(13);
        line->setFont(fixed);
        line->adjustSize();
    }
    auto* ok = new QPushButton("OK", this);
    QFont font = ok->font();
    font.setPixelSize(16);
    ok->setFont(font);
    ok->setGeometry(216, 72, 72, 40);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* reviewButton = new QPushButton(kv41::ReviewWindow::EndButton, this);
    reviewButton->setFont(font);
    reviewButton->setGeometry(312, 72, 88, 40);
    connect(reviewButton, &QPushButton::clicked, this, [this, review] {
        if (review && review()) accept();
    });
}
