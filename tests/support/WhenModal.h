#pragma once
// Drives a modal dialog from a test: the action runs once a dialog of the given type is the
// active modal window (exec() has started), checked every few milliseconds.
//
// A dialog the action leaves open (an answer that did nothing, such as a click on a disabled OK)
// would hang the test in its exec(): a few seconds later the test stops, naming the dialog.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

constexpr int kAnsweredDialogGraceMs = 5000;

// Stops the test when the dialog is still the open modal window after the grace time.
inline void ExpectClosed(QWidget* dialog, int graceMs = kAnsweredDialogGraceMs)
{
    QTimer::singleShot(graceMs, [left = QPointer<QWidget>(dialog)] {
        if (left && left->isVisible() && QApplication::activeModalWidget() == left)
            qFatal("The dialog %s \"%s\" was answered but stayed open: the test would hang in it",
                   left->metaObject()->className(), qPrintable(left->objectName()));
    });
}

template <typename Dialog> void WhenModal(std::function<void(Dialog*)> action, int triesLeft = 300)
{
    QTimer::singleShot(10, [action = std::move(action), triesLeft]() mutable {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            action(dialog);
            ExpectClosed(dialog);
        } else if (triesLeft > 0) {
            WhenModal<Dialog>(std::move(action), triesLeft - 1);
        }
    });
}
