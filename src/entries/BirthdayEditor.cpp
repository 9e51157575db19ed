#include "entries/BirthdayEditor.h"

#include "dialogkit/DatePicker.h"
#include "dialogkit/EditorFrame.h"
#include "document/Session.h"
#include "entries/Birthdays.h"
#include "entries/ListEditor.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kHelpPage = QStringLiteral("Html\\d_bd.htm");

} // namespace

BirthdayEditor::BirthdayEditor(int mode, int editIndex, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_editIndex(editIndex)
{
    setObjectName(QStringLiteral("FrmAddBD"));
    setWindowTitle(DialogCaption(mode == EditorAdd ? 2201 : 2202));

    const QList<BirthdayDef>& birthdays = Session::Get().CurrentDocument.BD.Birthdays;
    const bool editing = mode == EditorEdit && editIndex >= 0 && editIndex < birthdays.size();
    const BirthdayFormValues values =
        editing ? BirthdayFormForEdit(birthdays[editIndex]) : BirthdayFormForAdd();

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("TbAddBD"));
    auto* page = new QWidget;
    tabs->addTab(page, Str(504));
    auto* frame = new QGroupBox(Str(2203), page);
    m_name = FilteredTextBox(QStringLiteral("TxtGen"), frame);
    m_name->setText(values.Name);
    m_name->setMinimumWidth(240);
    m_date = DatePicker(QStringLiteral("DtGen"), values.BirthDate, frame);
    auto* form = new QFormLayout(frame);
    form->addRow(Str(2204), m_name);
    form->addRow(Str(2205), m_date);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(frame);
    pageLayout->addStretch();

    const EditorButtons buttons = LayOutEditor(this, tabs);
    connect(buttons.Ok, &QPushButton::clicked, this, &BirthdayEditor::OnOk);
    connect(buttons.Help, &QToolButton::clicked, this, [] { ShowHelpTopic(kHelpPage); });
    m_name->setFocus();
}

void BirthdayEditor::OnOk()
{
    m_result = SaveBirthdayForm(m_mode, m_editIndex, {m_name->text(), PickedDate(m_date)});
    accept();
}

int RunBirthdayEditor(QWidget* parent, int mode, int editIndex)
{
    return RunListEditor<BirthdayEditor>(parent, mode, editIndex,
                                         Session::Get().CurrentDocument.BD.Birthdays.size());
}
