#pragma once
// The status bar above the panel: points on the left, the speed controls in the middle, the
// time with the progress of the minute on the right. Placed by the panel's cell size.
#include <QWidget>
#include <functional>

#include "platform/platform.h"

class QLabel;
class QPushButton;

class StatusBar : public QWidget {
    Q_OBJECT
public:
    StatusBar(std::function<void()> slower, std::function<void()> faster,
              std::function<void()> fast, QWidget* parent = nullptr);
    void SetTexts(const kv41::StatusTexts& status);
    // Places every control for the panel font size and its cell size.
    void Layout(int fontSize, int cellWidth, int cellHeight, int width);

private:
    QLabel* speedCaption_;
    QLabel* speedValue_;
    QPushButton* slower_;
    QPushButton* faster_;
    QPushButton* fast_;
    QLabel* timeCaption_;
    QLabel* timeValue_;
    QLabel* pointsCaption_;
    QLabel* pointsValue_;
    QLabel* signalman_;
};
