#include "end_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialog_picture.h"

namespace {

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
                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("TOLA end of session");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(462, 273);
    auto* picture = new QLabel(this);
    picture->setPixmap(SignalBoxPicture());
    picture->setGeometry(16, 16, 121, 129);
    QLabel* name = Line(this, "Tarrock Junction Signal Box Summer 1954", 160, 24, 13, true);
    // The name may be wider than the space beside the picture in the system's font.
    name->setWordWrap(true);
    name->setFixedWidth(width() - 160 - 12);
    name->adjustSize();
    // The score lines keep their blanks: the numbers are right-aligned in their fields.
    Line(this, rating, 16, 160, 13, false);
    Line(this, pointScore, 16, 200, 13, false);
    Line(this, perCent, 16, 240, 13, false);
    auto* ok = new QPushButton("OK", this);
    QFont font = ok->font();
    font.setPixelSize(16);
    ok->setFont(font);
    ok->setGeometry(216, 72, 72, 40);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
