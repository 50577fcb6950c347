#include "panel_accessible.h"

#include "accessibility/panel_description.h"
#include "panel_widget.h"

namespace {

// One part of the panel, by its place in the core's list. The message line is a text whose
// every new message is announced.
class PartAccessible : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    PartAccessible(PanelWidget* panel, int index) : panel_(panel), index_(index) {}

    bool isValid() const override { return panel_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return panel_->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(panel_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        const kv41::PanelPart& part = Part();
        switch (t) {
        case QAccessible::Name: return QString::fromStdString(part.Name);
        case QAccessible::Description:
        case QAccessible::Value: return StateText();
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return panel_->PartRect(Part()); }
    QAccessible::Role role() const override {
        switch (Part().Role) {
        case kv41::PartRole::Lever: return QAccessible::Button;
        case kv41::PartRole::Box: return QAccessible::Grouping;
        case kv41::PartRole::Status: return QAccessible::StatusBar;
        case kv41::PartRole::MessageLine: return QAccessible::StaticText;
        default: return QAccessible::StaticText;
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        const kv41::PanelPart& part = Part();
        if (part.Role == kv41::PartRole::Lever || part.Role == kv41::PartRole::Box) {
            state.focusable = true;
            state.focused = part.Selected && panel_->hasFocus();
        }
        if (part.Role == kv41::PartRole::MessageLine) state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && Part().Role == kv41::PartRole::MessageLine) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return nullptr;
    }

    // The message line's text: the latest message announced.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return panel_->Announced().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(panel_->Announced().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    const kv41::PanelPart& Part() const { return panel_->Parts().at(static_cast<size_t>(index_)); }
    QString StateText() const {
        if (Part().Role == kv41::PartRole::MessageLine) return panel_->Announced();
        return QString::fromStdString(Part().State);
    }

    PanelWidget* panel_;
    int index_;
};

QAccessibleInterface* PanelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("PanelWidget") && object && object->isWidgetType()) {
        return new PanelAccessible(static_cast<PanelWidget*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallPanelAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(PanelFactory);
}

QAccessibleInterface* NewPartAccessible(PanelWidget* panel, int index) {
    return new PartAccessible(panel, index);
}

PanelAccessible::PanelAccessible(PanelWidget* panel)
    : QAccessibleWidget(panel, QAccessible::Pane, "Signal box panel") {}

PanelWidget* PanelAccessible::Panel() const {
    return static_cast<PanelWidget*>(widget());
}

int PanelAccessible::childCount() const {
    return static_cast<int>(Panel()->Parts().size());
}

QAccessibleInterface* PanelAccessible::child(int index) const {
    return Panel()->PartInterface(index);
}

int PanelAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        if (Panel()->PartInterface(i) == child) return i;
    }
    return -1;
}

QAccessibleInterface* PanelAccessible::childAt(int x, int y) const {
    const auto& parts = Panel()->Parts();
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        const auto& part = parts[static_cast<size_t>(i)];
        if (part.Role != kv41::PartRole::Lever && part.Role != kv41::PartRole::Box) continue;
        if (Panel()->PartRect(part).contains(x, y)) return child(i);
    }
    return nullptr;
}

QAccessibleInterface* PanelAccessible::focusChild() const {
    const auto& parts = Panel()->Parts();
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        if (parts[static_cast<size_t>(i)].Selected) return child(i);
    }
    return nullptr;
}

QString PanelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return "Signal box panel";
    if (t == QAccessible::Description) return "Type a lever's number and Enter; K lists every key";
    return QAccessibleWidget::text(t);
}
