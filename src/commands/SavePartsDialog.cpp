#include "commands/SavePartsDialog.h"

#include "platform/HelpTopic.h"
#include "resources/Strings.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kHelpPage = QStringLiteral("Html\\d_asksave.htm");
}

SavePartsDialog::SavePartsDialog(const QString& target, const QList<SavePart>& parts, QWidget* parent)
    : QDialog(parent), m_parts(parts), m_list(new QListWidget)
{
    setObjectName(QStringLiteral("FrmAskSave"));
    setWindowTitle(DialogCaption(1301));

    auto* question = new QLabel(Str(1304) + u' ' + (target.isEmpty() ? Str(540) : target) + u' ' + Str(1305));
    question->setObjectName(QStringLiteral("LblQuestion"));
    question->setWordWrap(true);

    m_list->setObjectName(QStringLiteral("LstParts"));
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const SavePart& part : parts) m_list->addItem(part.Text);
    m_list->selectAll();

    auto button = [this](const char* name, int text, SavePartsAnswer::Button pressed) {
        auto* b = new QPushButton(Str(text));
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, [this, pressed] {
            m_pressed = pressed;
            if (pressed == SavePartsAnswer::Cancel)
                reject();
            else
                accept();
        });
        return b;
    };
    QPushButton* yes = button("CmdYes", 1302, SavePartsAnswer::Yes);
    yes->setDefault(true);
    auto* help = new QPushButton(Str(223));
    help->setObjectName(QStringLiteral("CmdHelp"));
    connect(help, &QPushButton::clicked, this, [] { ShowHelpTopic(kHelpPage); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(yes);
    buttons->addWidget(button("CmdNo", 1303, SavePartsAnswer::No));
    buttons->addWidget(button("CmdCancel", 503, SavePartsAnswer::Cancel));
    buttons->addStretch();
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(560, 320);
}

SavePartsAnswer SavePartsDialog::Answer() const
{
    SavePartsAnswer answer;
    answer.Pressed = m_pressed;
    if (m_pressed == SavePartsAnswer::Yes)
        for (int i = 0; i < m_list->count(); ++i)
            if (m_list->item(i)->isSelected()) answer.Chosen.append(m_parts[i]);
    return answer;
}

SavePartsAnswer SavePartsDialog::Ask(const QString& target, const QList<SavePart>& parts, QWidget* parent)
{
    SavePartsDialog dialog(target, parts, parent);
    dialog.exec();
    return dialog.Answer();
}

void SavePartsDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(kHelpPage);
        return;
    }
    QDialog::keyPressEvent(event);
}
