#include "help_window.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int IntroductionTopic = 100;

}  // namespace

HelpWindow::HelpWindow(const QString& helpDirectory)
    : QWidget(nullptr, Qt::Window), helpDirectory_(helpDirectory) {
    setWindowTitle("Tarrock Junction Help");
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* back = new QPushButton("Back");
    auto* contents = new QPushButton("Contents");
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    layout->addLayout(buttons);
    browser_ = new QTextBrowser;
    browser_->setSearchPaths({helpDirectory_});
    browser_->setOpenExternalLinks(false);
    layout->addWidget(browser_);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(IntroductionTopic); });
    back->setEnabled(false);
    resize(680, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void HelpWindow::ShowTopic(int topic) {
    QString page = QString("%1/%2.html").arg(helpDirectory_).arg(topic);
    if (!QFile::exists(page))
        page = QString("%1/%2.html").arg(helpDirectory_).arg(IntroductionTopic);
    if (QFile::exists(page)) {
        browser_->setSource(QUrl::fromLocalFile(page));
    } else {
        browser_->setHtml("<h2>Help</h2><p>The help pages were not found in " +
                          helpDirectory_.toHtmlEscaped() + ".</p>");
    }
    // The page's title in the caption, so that the player sees at once which page opened.
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? "Tarrock Junction Help" : "Tarrock Junction Help: " + title);
    show();
    raise();
    activateWindow();
}
