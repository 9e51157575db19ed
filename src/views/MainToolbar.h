#pragma once
// The main toolbar: one button per key of ToolbarKeys, in order, each with its tip and icon.
// The month buttons stay pressed while their month window is shown.

#include "document/Session.h"

#include <QHash>
#include <QToolBar>
#include <functional>

class MainToolbar : public QToolBar
{
    Q_OBJECT
public:
    explicit MainToolbar(QWidget* parent = nullptr);

    // The button (or separator) of a key: "New", "m03", "Sep3"...
    QAction* Action(const QString& key) const { return m_actions.value(key); }

    // The enabling and visibility rules for a mode; keys whose command has no window yet
    // (available false) stay disabled.
    void ApplyRules(MainMode mode, bool printerInstalled,
                    const std::function<bool(const QString& key)>& available);

    // Shows a month button pressed or released.
    void SetMonthPressed(int month, bool pressed);

signals:
    void KeyClicked(const QString& key);

private:
    QHash<QString, QAction*> m_actions;
};
