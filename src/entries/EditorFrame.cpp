#include "entries/EditorFrame.h"

#include "document/TextInput.h"
#include "resources/Strings.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

EditorButtons LayOutEditor(QDialog* dialog, QTabWidget* pages)
{
    auto* box = new QDialogButtonBox(dialog);
    EditorButtons b;
    b.Ok = box->addButton(Str(502), QDialogButtonBox::AcceptRole);
    b.Cancel = box->addButton(Str(503), QDialogButtonBox::RejectRole);
    b.Ok->setObjectName(QStringLiteral("CmdOk"));
    b.Cancel->setObjectName(QStringLiteral("CmdCancel"));
    b.Ok->setDefault(true);
    b.Help = new QToolButton(dialog);
    b.Help->setObjectName(QStringLiteral("CmdHelp"));
    b.Help->setText(QStringLiteral("?"));
    b.Help->setToolTip(Str(223));

    auto* row = new QHBoxLayout;
    row->addWidget(b.Help);
    row->addStretch();
    row->addWidget(box);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(pages);
    layout->addLayout(row);
    QObject::connect(b.Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return b;
}

QLineEdit* FilteredTextBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new CalTextValidator(box));
    return box;
}

QLineEdit* AmountTextBox(const QString& name, AmountSign sign, QWidget* parent)
{
    QLineEdit* box = FilteredTextBox(name, parent);
    QObject::connect(box, &QLineEdit::textEdited, box, [box, sign](const QString& text) {
        const AmountEdit edit = FilterAmount(text, box->cursorPosition(), sign);
        if (edit.Text == text) return;
        box->setText(edit.Text);
        box->setCursorPosition(edit.Cursor);
    });
    return box;
}
