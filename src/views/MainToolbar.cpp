#include "views/MainToolbar.h"

#include "resources/Strings.h"
#include "views/CommandRules.h"
#include "views/Icons.h"

#include <QAction>
#include <QWidget>

MainToolbar::MainToolbar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("TbMain"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarKey& k : ToolbarKeys()) {
        QAction* a = k.IsSeparator() ? addSeparator() : addAction(ToolbarIcon(k.Key), Str(k.Tip));
        a->setObjectName(k.Key);
        m_actions.insert(k.Key, a);
        if (k.IsSeparator()) continue;
        a->setToolTip(Str(k.Tip));
        // Icon-only buttons: a screen reader speaks the tooltip. Tab reaches them, as some
        // commands (the properties, the months) have no other way in.
        QWidget* button = widgetForAction(a);
        button->setAccessibleName(Str(k.Tip));
        button->setFocusPolicy(Qt::TabFocus);
        if (MonthOfKey(k.Key)) a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, key = k.Key] { emit KeyClicked(key); });
    }
}

void MainToolbar::ApplyRules(MainMode mode, bool printerInstalled,
                             const std::function<bool(const QString& key)>& available)
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const CommandState s = ToolbarState(it.key(), mode, printerInstalled);
        it.value()->setVisible(s.Visible);
        it.value()->setEnabled(s.Enabled && available(it.key()));
    }
}

void MainToolbar::SetMonthPressed(int month, bool pressed)
{
    if (QAction* a = m_actions.value(MonthKey(month))) a->setChecked(pressed);
}
