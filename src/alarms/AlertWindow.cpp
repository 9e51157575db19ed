#include "alarms/AlertWindow.h"

#include "dialogkit/AlarmControls.h"
#include "dialogkit/EditorFrame.h"
#include "document/DateText.h"
#include "document/Session.h"
#include "entries/DayEntries.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kHelpPage = QStringLiteral("Html\\d_alarm.htm");

QLineEdit* ReadOnlyField(int index, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QStringLiteral("TxtEV%1").arg(index));
    box->setReadOnly(true);
    box->setCursorPosition(0);
    return box;
}

} // namespace

AlertWindow::AlertWindow(const AlarmPlace& place, QWidget* parent) : QDialog(parent), m_place(place)
{
    setObjectName(QStringLiteral("FrmAlarm"));
    setWindowTitle(DialogCaption(707));
    const CalendarDocument& doc = Session::Get().CurrentDocument;
    const DayEntry& entry = doc.Month(place.Month).Cell(place.Cell).Entries[place.Index];
    const DateRec date =
        MakeDate(DayOfCell(doc.YearNumber(), place.Month, place.Cell), place.Month, doc.YearNumber());
    m_shown = AlertFormFor(entry, date, Keys::OffDefault().ReadNumber() != 0);

    auto* content = new QWidget(this);
    m_strip = new QWidget(content);
    m_strip->setObjectName(QStringLiteral("PicAlarm"));
    m_strip->setAutoFillBackground(true);
    m_strip->setStyleSheet(QStringLiteral("#PicAlarm { background: black; }"));
    m_warning = new QLabel(Str(1201), m_strip);
    m_warning->setObjectName(QStringLiteral("LblALWarning"));
    m_warning->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_warning->adjustSize();
    // Taller with a large desktop font, so that the warning is never cut.
    m_strip->setFixedHeight(std::max(28, m_warning->height() + 6));
    m_warning->move(0, (m_strip->height() - m_warning->height()) / 2);

    auto* frame = new QGroupBox(Str(1202), content);
    auto* fields = new QFormLayout(frame);
    fields->addRow(Str(1204), ReadOnlyField(0, m_shown.Type, frame));
    fields->addRow(Str(714), ReadOnlyField(1, m_shown.Description, frame));
    auto* amountLabel = new QLabel(Str(715), frame);
    amountLabel->setObjectName(QStringLiteral("LblEV2"));
    QLineEdit* amount = ReadOnlyField(2, m_shown.Amount, frame);
    fields->addRow(amountLabel, amount);
    amountLabel->setVisible(m_shown.ShowsAmount);
    amount->setVisible(m_shown.ShowsAmount);
    fields->addRow(Str(1205), ReadOnlyField(3, LongDateText(m_shown.Date), frame));

    m_offByDefault = new QCheckBox(Str(1203), content);
    m_offByDefault->setObjectName(QStringLiteral("ChkALOff"));
    m_offByDefault->setChecked(m_shown.OffByDefault);
    m_alarm = new AlarmControls(content);
    m_alarm->Show(m_shown.AlarmOff, m_shown.DaysBefore, m_shown.Sound);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_strip);
    layout->addWidget(frame);
    layout->addWidget(m_offByDefault);
    layout->addWidget(m_alarm);
    const EditorButtons buttons = LayOutEditor(this, content);
    connect(buttons.Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.Help, &QToolButton::clicked, this, [] { ShowHelpTopic(kHelpPage); });

    m_scroller = new QTimer(this);
    m_scroller->setObjectName(QStringLiteral("TmrAlarm"));
    m_scroller->setInterval(100);
    connect(m_scroller, &QTimer::timeout, this, &AlertWindow::ScrollWarning);
    m_scroller->start();
    buttons.Ok->setFocus();
}

AlertForm AlertWindow::Form() const
{
    AlertForm f = m_shown;
    f.OffByDefault = m_offByDefault->isChecked();
    f.AlarmOff = m_alarm->AlarmOff();
    f.DaysBefore = m_alarm->DaysBefore();
    f.Sound = m_alarm->Sound();
    return f;
}

void AlertWindow::ScrollWarning()
{
    int left = m_warning->x() - kScrollStep;
    if (left + m_warning->width() < 0) left = m_strip->width() + 1;
    m_warning->move(left, m_warning->y());
}

void AlertWindow::done(int result)
{
    m_scroller->stop();
    m_result = result == QDialog::Accepted && ConfirmAlert(m_place, Form()) ? 1 : 0;
    QDialog::done(result);
}

int ShowAlertWindow(QWidget* parent, const AlarmPlace& place)
{
    const DayCell* day = DayOf(place.Month, place.Cell);
    if (!day || place.Index < 0 || place.Index >= day->Entries.size()) return 0;
    AlertWindow window(place, parent);
    window.exec();
    return window.Result();
}
