#include "bell_code_dialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "controls/bell_window.h"
#include "model/bell_codes.h"
#include "panel_font.h"

BellCodeDialog::BellCodeDialog(int pointSize, int suggested, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Select bell code to send");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const QFont plain = TypewriterFont(pointSize);
    const QFontMetrics metrics(plain);
    const int w = metrics.horizontalAdvance('W');
    const int h = metrics.height() + 1;
    const int left = 10;

    auto* head = new QLabel("Bell Code      Meaning", this);
    head->setFont(TypewriterFont(pointSize, true));
    head->move(left, 5);
    head->adjustSize();

    list_ = new QListWidget(this);
    list_->setFont(plain);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int code = 0; code <= kv41::BellCodeLast; ++code) {
        list_->addItem(QString::fromStdString(kv41::BellListLine(code)));
    }
    // Tall enough for every code without scrolling.
    const int row = std::max(h, list_->sizeHintForRow(0));
    const int listTop = 5 + (3 * h + 3) / 2;
    const int listHeight = row * (kv41::BellCodeLast + 1) + 2 * list_->frameWidth();
    list_->setGeometry(left, listTop, 80 * w, listHeight);
    list_->setCurrentRow(std::clamp(suggested, 0, static_cast<int>(kv41::BellCodeLast)));

    auto* asterisk = new QLabel("* - Does not require Call Attention", this);
    asterisk->setFont(plain);
    const int asteriskTop = listTop + listHeight + h;
    asterisk->setGeometry(left + 6 * w, asteriskTop, 40 * w, h);

    const int buttonTop = asteriskTop + (3 * h + 3) / 2;
    const int centre = left + 40 * w;
    auto* cancel = new QPushButton("Cancel", this);
    auto* ok = new QPushButton("OK", this);
    cancel->setGeometry(centre - 3 * w - 10 * w, buttonTop, 10 * w, 2 * h);
    ok->setGeometry(centre + 3 * w, buttonTop, 10 * w, 2 * h);
    ok->setDefault(true);
    setFixedSize(80 * w + 25, buttonTop + 2 * h + 10);

    auto finish = [this](std::optional<int> code) {
        chosen_ = code;
        if (code)
            accept();
        else
            reject();
    };
    connect(ok, &QPushButton::clicked, this, [this, finish] { finish(list_->currentRow()); });
    connect(cancel, &QPushButton::clicked, this, [finish] { finish(std::nullopt); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this, finish] { finish(list_->currentRow()); });

    // Beside the panel: 50 pixels from the right edge of the screen, one line from the top.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - width() - 50, area.top() + h);
    }
}
