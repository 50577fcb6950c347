#pragma once
// The panel as a screen reader sees it: the parts that the core describes (levers, boxes, track
// circuits, status, message line) as children of the panel in Qt's accessibility tree, which
// reaches AT-SPI on Linux. The panel is one painted picture; these give it words.
#include <QAccessibleWidget>

class PanelWidget;

// Installs the factory that gives the panel its accessible interface (once per program).
void InstallPanelAccessibility();

class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(PanelWidget* panel);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

private:
    PanelWidget* Panel() const;
};
