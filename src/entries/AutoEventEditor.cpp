#include "entries/AutoEventEditor.h"

#include "dialogkit/DatePicker.h"
#include "dialogkit/EditorFrame.h"
#include "document/Session.h"
#include "entries/EventPage.h"
#include "entries/ListEditor.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The help page of each tab.
const char* const kHelpPages[] = {"Html\\d_addae_gen.htm", "Html\\d_addae_ae.htm", "Html\\d_addae_rg.htm"};

constexpr int kNoCombo = 3; // "Chaque jour" has no combo

// The combos' lines: days, weekdays from Sunday, months.
QStringList DayLines()
{
    QStringList lines;
    for (int d = 1; d <= 31; ++d) lines.append(QString::number(d));
    return lines;
}

QStringList WeekdayLines()
{
    QStringList lines{Str(407)};
    for (int n = 401; n <= 406; ++n) lines.append(Str(n));
    return lines;
}

QStringList MonthLines()
{
    QStringList lines;
    for (int n = 210; n <= 221; ++n) lines.append(Str(n));
    return lines;
}

// Which combos a recurrence box uses.
bool ComboOf(int recurrence, int combo)
{
    return combo == recurrence || (recurrence == RecurYearly && combo == 5);
}

} // namespace

AutoEventEditor::AutoEventEditor(int mode, int editIndex, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_editIndex(editIndex)
{
    setObjectName(QStringLiteral("FrmAddAE"));
    setWindowTitle(DialogCaption(mode == EditorAdd ? 801 : 802));
    const CalendarDocument& doc = Session::Get().CurrentDocument;
    const QList<AutoEventDef>& defs = doc.AE.AutoEvents;
    const bool editing = mode == EditorEdit && editIndex >= 0 && editIndex < defs.size();

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TbAddAE"));
    m_event = new EventPage(false, m_tabs);
    m_tabs->addTab(m_event, Str(504));
    m_tabs->addTab(BuildRecurrencePage(), Str(803));
    m_tabs->addTab(BuildRangePage(), Str(807));
    const EditorButtons buttons = LayOutEditor(this, m_tabs);

    ShowValues(editing ? AutoEventFormForEdit(doc, defs[editIndex]) : AutoEventFormForAdd(doc));

    connect(m_recurrence, &QButtonGroup::idClicked, this, &AutoEventEditor::OnRecurrenceChosen);
    for (QComboBox* combo : m_combos)
        if (combo)
            connect(combo, &QComboBox::currentIndexChanged, this, &AutoEventEditor::OnRecurrenceChosen);
    for (int i = 0; i < 2; ++i) {
        // A date is chosen once its typing is finished (Enter, or the focus leaving the box) or a
        // day is picked in the calendar; never at each key, nor as the calendar's cursor moves.
        QDateEdit* picker = m_range[size_t(i)];
        connect(picker, &QDateEdit::editingFinished, this, [this, i] { OnDateChosen(i); });
        for (auto chosen : {&QCalendarWidget::clicked, &QCalendarWidget::activated})
            connect(
                picker->calendarWidget(), chosen, this, [this, i] { OnDateChosen(i); }, Qt::QueuedConnection);
    }
    connect(m_tabs, &QTabWidget::currentChanged, m_event, &EventPage::UpdateStates);
    connect(buttons.Ok, &QPushButton::clicked, this, &AutoEventEditor::OnOk);
    connect(buttons.Help, &QToolButton::clicked, this, &AutoEventEditor::ShowHelp);
    m_event->GuardOk(buttons.Ok);
    m_event->DescriptionBox()->setFocus();
}

QWidget* AutoEventEditor::BuildRecurrencePage()
{
    auto* page = new QWidget;
    auto* frame = new QGroupBox(Str(803), page);
    auto* grid = new QGridLayout(frame);
    m_recurrence = new QButtonGroup(this);
    m_recurrence->setExclusive(true);
    const int texts[kRecurrenceCount] = {804, 805, 806, 810, 811};
    for (int i = 0; i < kRecurrenceCount; ++i) {
        QCheckBox* box = NamedCheckBox(texts[i], QStringLiteral("ChkAE%1").arg(i), frame);
        m_recurrence->addButton(box, i);
        grid->addWidget(box, i, 0);
    }
    const auto combo = [&](int index, const QStringList& lines, int row, int column) {
        auto* c = new QComboBox(frame);
        c->setObjectName(QStringLiteral("CmbAE%1").arg(index));
        c->addItems(lines);
        m_combos[size_t(index)] = c;
        grid->addWidget(c, row, column);
    };
    combo(0, DayLines(), RecurMonthly, 1);
    combo(1, WeekdayLines(), RecurWeekly, 1);
    combo(2, WeekdayLines(), RecurTwoWeeks, 1);
    combo(4, DayLines(), RecurYearly, 1);
    combo(5, MonthLines(), RecurYearly, 2);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

QWidget* AutoEventEditor::BuildRangePage()
{
    auto* page = new QWidget;
    auto* frame = new QGroupBox(Str(807), page);
    auto* form = new QFormLayout(frame);
    for (int i = 0; i < 2; ++i) {
        QDateEdit* picker = DatePicker(QStringLiteral("DtRG%1").arg(i), {}, frame);
        m_range[size_t(i)] = picker;
        form->addRow(Str(808 + i), picker);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

void AutoEventEditor::ShowValues(const AutoEventFormValues& v)
{
    m_event->Show(v.Event);
    m_recurrence->button(v.Recurrence)->setChecked(true);
    const int values[6] = {v.MonthDay, v.Weekday, v.TwoWeekday, 0, v.YearDay, v.YearMonth};
    for (int i = 0; i < 6; ++i)
        if (i != kNoCombo) m_combos[size_t(i)]->setCurrentIndex(values[i] - 1);
    m_chosen = m_shown = {v.Start, v.End};
    ShowDate(m_range[0], v.Start);
    ShowDate(m_range[1], v.End);
    EnableCombos(v.Recurrence);
}

void AutoEventEditor::EnableCombos(int recurrence)
{
    for (int i = 0; i < 6; ++i)
        if (i != kNoCombo) m_combos[size_t(i)]->setEnabled(ComboOf(recurrence, i));
}

AutoEventFormValues AutoEventEditor::Values() const
{
    AutoEventFormValues v;
    v.Event = m_event->Values();
    v.Recurrence = m_recurrence->checkedId();
    const auto value = [this](int combo) { return m_combos[size_t(combo)]->currentIndex() + 1; };
    v.MonthDay = value(0);
    v.Weekday = value(1);
    v.TwoWeekday = value(2);
    v.YearDay = value(4);
    v.YearMonth = value(5);
    v.Start = PickedDate(m_range[0]);
    v.End = PickedDate(m_range[1]);
    return v;
}

void AutoEventEditor::OnRecurrenceChosen()
{
    EnableCombos(m_recurrence->checkedId());
    Snap(0);
    Snap(1);
}

void AutoEventEditor::OnDateChosen(int picker)
{
    // Leaving a box that still shows its snapped date chooses nothing new.
    const DateRec picked = PickedDate(m_range[size_t(picker)]);
    if (picked != m_shown[size_t(picker)]) m_chosen[size_t(picker)] = picked;
    Snap(picker);
}

void AutoEventEditor::Snap(int picker)
{
    const auto i = size_t(picker);
    m_shown[i] = SnapOntoRecurrence(Values(), m_chosen[i], picker == 0);
    ShowDate(m_range[i], m_shown[i]);
}

void AutoEventEditor::ShowHelp()
{
    ShowHelpTopic(QString::fromLatin1(kHelpPages[std::clamp(m_tabs->currentIndex(), 0, 2)]));
}

void AutoEventEditor::OnOk()
{
    m_result = SaveAutoEventForm(m_mode, m_editIndex, Values());
    accept();
}

int RunAutoEventEditor(QWidget* parent, int mode, int editIndex)
{
    return RunListEditor<AutoEventEditor>(parent, mode, editIndex,
                                          Session::Get().CurrentDocument.AE.AutoEvents.size());
}
