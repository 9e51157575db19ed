#include "sync/SyncProgressBar.h"

#include "dialogkit/EditorFrame.h"
#include "resources/Strings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

SyncProgressBar::SyncProgressBar(QWidget* parent)
    : QWidget(parent), m_stage(Named(new QLabel(this), QStringLiteral("LblSyncStage"))),
      m_bar(Named(new QProgressBar(this), QStringLiteral("PrgSync"))),
      m_cancel(Named(new QPushButton(Str(28020), this), QStringLiteral("CmdSyncCancel")))
{
    setObjectName(QStringLiteral("SyncProgress"));
    m_bar->setFixedWidth(220);
    m_bar->setTextVisible(false);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(m_stage, 1);
    row->addWidget(m_bar);
    row->addWidget(m_cancel);
}

void SyncProgressBar::Show(int done, int total, const QString& stage)
{
    m_stage->setText(stage);
    m_bar->setRange(0, qMax(0, total));
    if (total > 0) m_bar->setValue(qBound(0, done, total));
}
