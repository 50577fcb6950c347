#include "end_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "dialog_cells.h"
#include "dialog_picture.h"
#include "help_topic.h"
#include "panel_font.h"

namespace {

constexpr int NamePixels = 13;
constexpr int SmallestNamePixels = 9;
constexpr int ScorePixels = 13;
constexpr int ButtonPixels = 16;

QLabel* Line(QDialog* dialog, const kv41::TextPlace& text, const QFont& font) {
    auto* label = new QLabel(QString::fromStdString(text.Text), dialog);
    label->setFont(font);
    label->move(CellsToPixels(text.Place).topLeft());
    label->adjustSize();
    return label;
}

}  // namespace

EndDialog::EndDialog(const kv41::EndWindow& model, std::function<bool()> review, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(model.Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    SetHelpTopic(this, model.HelpTopic);
    setFixedSize(CellsToPixels(model.Cells));
    auto* picture = new QLabel(this);
    picture->setPixmap(SignalBoxPicture());
    picture->setGeometry(CellsToPixels(kv41::PicturePlace));
    // The name stands on one line beside the picture: a system font wider than its place is
    // set smaller until it fits.
    QFont nameFont = font();
    nameFont.setPixelSize(NamePixels);
    nameFont.setBold(true);
    const QString name = QString::fromStdString(model.Name.Text);
    const int room = CellsToPixels(model.Name.Place).width();
    while (nameFont.pixelSize() > SmallestNamePixels &&
           QFontMetrics(nameFont).horizontalAdvance(name) > room) {
        nameFont.setPixelSize(nameFont.pixelSize() - 1);
    }
    Line(this, model.Name, nameFont);
    QFont fixed = TypewriterFont(10);
    fixed.setPixelSize(ScorePixels);
    for (const kv41::TextPlace& line : model.Lines) Line(this, line, fixed);
    auto* ok = new QPushButton(QString::fromStdString(model.Ok.Text), this);
    QFont buttonFont = ok->font();
    buttonFont.setPixelSize(ButtonPixels);
    ok->setFont(buttonFont);
    ok->setGeometry(CellsToPixels(model.Ok.Place));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* reviewButton = new QPushButton(QString::fromStdString(model.Review.Text), this);
    reviewButton->setFont(buttonFont);
    reviewButton->setGeometry(CellsToPixels(model.Review.Place));
    connect(reviewButton, &QPushButton::clicked, this, [this, review] {
        if (review && review()) accept();
    });
}
