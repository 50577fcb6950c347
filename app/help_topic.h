#pragma once
// The help topic that F1 opens while a window has the keyboard, kept on the window itself.
#include <QWidget>

inline constexpr const char* HelpTopicProperty = "helpTopic";

inline void SetHelpTopic(QWidget* window, int topic) {
    window->setProperty(HelpTopicProperty, topic);
}

// 0 for a window without a topic of its own.
inline int HelpTopicOf(const QWidget* window) {
    return window ? window->property(HelpTopicProperty).toInt() : 0;
}
