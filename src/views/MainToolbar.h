#pragma once
// The main toolbar: one button per key of ToolbarKeys, in order, each with its tip and icon.
// The month buttons stay pressed while their month window is shown.

#include "document/Session.h"

#include <QHash>
#include <QToolBar>

class MainToolbar : public QToolBar
{
    Q_OBJECT
public:
    explicit MainToolbar(QWidget* parent = nullptr);

    // The button (or separator) of a key: "New", "m03", "Sep3"...
    QAction* Action(const QString& key) const { return m_actions.value(key); }

    // The enabling and visibility rules for a mode.
    void ApplyRules(MainMode mode, bool printerInstalled);

    // Shows a month button pressed or released.
    void SetMonthPressed(int month, bool pressed);

signals:
    void KeyClicked(const QString& key);

private:
    QHash<QString, QAction*> m_actions;
};
