#include "help_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr int IntroductionTopic = 100;

}  // namespace

// Pages, pictures and the style sheet come out of the help file.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QHelpEngine& engine) : engine_(engine) { setOpenExternalLinks(false); }
    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == "qthelp") return engine_.fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine& engine_;
};

HelpWindow::HelpWindow(const QString& helpFile) : QWidget(nullptr, Qt::Window) {
    setWindowTitle("Tarrock Junction Help");
    engine_ = new QHelpEngine(collectionDirectory_.filePath("kv41.qhc"), this);
    engine_->setReadOnly(false);  // it writes the help file's name into the collection
    engine_->setupData();
    namespace_ = QHelpEngineCore::namespaceName(helpFile);
    engine_->registerDocumentation(helpFile);

    browser_ = new HelpBrowser(*engine_);
    auto* back = new QPushButton("Back");
    auto* forward = new QPushButton("Forward");
    auto* home = new QPushButton("Introduction");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addLayout(buttons);
    pageLayout->addWidget(browser_);

    // The index narrows to what is typed above it.
    auto* indexPane = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPane);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    auto* lookFor = new QLineEdit;
    lookFor->setPlaceholderText("Look for");
    indexLayout->addWidget(lookFor);
    indexLayout->addWidget(engine_->indexWidget());
    auto* tabs = new QTabWidget;
    tabs->addTab(engine_->contentWidget(), "Contents");
    tabs->addTab(indexPane, "Index");

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 560});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(home, &QPushButton::clicked, this, [this] { ShowTopic(IntroductionTopic); });
    connect(engine_->contentWidget(), &QHelpContentWidget::linkActivated, browser_,
            [this](const QUrl& url) { browser_->setSource(url); });
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { engine_->contentWidget()->expandAll(); });
    connect(engine_->indexWidget(), &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { browser_->setSource(link.url); });
    connect(engine_->indexWidget(), &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty()) browser_->setSource(links.first().url);
            });
    connect(lookFor, &QLineEdit::textChanged, engine_->indexWidget(),
            [this](const QString& text) { engine_->indexWidget()->filterIndices(text); });
    connect(lookFor, &QLineEdit::returnPressed, engine_->indexWidget(),
            &QHelpIndexWidget::activateCurrentItem);
    back->setEnabled(false);
    forward->setEnabled(false);
    resize(820, 620);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QUrl HelpWindow::TopicUrl(int topic) const {
    return QUrl(QString("qthelp://%1/doc/%2.html").arg(namespace_).arg(topic));
}

bool HelpWindow::HasTopic(int topic) const {
    return !engine_->fileData(TopicUrl(topic)).isEmpty();
}

void HelpWindow::ShowTopic(int topic) {
    browser_->setSource(TopicUrl(HasTopic(topic) ? topic : IntroductionTopic));
    if (!HasTopic(IntroductionTopic)) {
        browser_->setHtml("<h2>Help</h2><p>The help file could not be read.</p>");
    }
    // The page's title in the caption, so that the player sees at once which page opened.
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? "Tarrock Junction Help" : "Tarrock Junction Help: " + title);
    show();
    raise();
    activateWindow();
}
