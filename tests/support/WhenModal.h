#pragma once
// Drives a modal dialog from a test: the action runs once a dialog of the given type is the
// active modal window (exec() has started), checked every few milliseconds.

#include <QApplication>
#include <QTimer>
#include <functional>

template <typename Dialog> void WhenModal(std::function<void(Dialog*)> action, int triesLeft = 300)
{
    QTimer::singleShot(10, [action = std::move(action), triesLeft]() mutable {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            action(dialog);
        } else if (triesLeft > 0) {
            WhenModal<Dialog>(std::move(action), triesLeft - 1);
        }
    });
}
