// Times what the user waits for while working on entries of the heavy document: the balance
// preview on each keystroke of the event editor, the refill of one day's events list, and a cut
// and paste between two days. Prints the figures; asserts nothing.

#include "HeavyDocument.h"
#include "Timing.h"
#include "document/Session.h"
#include "entries/Balances.h"
#include "entries/DayEntries.h"
#include "entries/EntryText.h"
#include "entries/EventEditor.h"
#include "entries/EventForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Session& s = Session::Get();
    s.CurrentDocument = MakeHeavyDocument(2026);
    s.SetMode(MainMode::Edit);
    const CalendarDocument& doc = s.CurrentDocument;
    const int accounts = doc.DE.DECount();

    // The last day of the year: the balance scans every earlier day.
    const DateRec date = MakeDate(31, 12, 2026);
    const int month = 12, cell = CellOfDate(date);
    s.Selected = {qint16(month), qint16(cell), date};
    std::printf("Heavy document: %d accounts, 20 entries a day, day %s\n", accounts,
                qPrintable(DateToText(date)));

    Report("balance preview (logic), one account",
           Time(2000,
                [&](int i) {
                    PreviewBalance(doc, month, cell, date, i % accounts, 3, QString::number(i), i % 2);
                }),
           5);

    // The same through the editor: a keystroke in the movement amount box mirrors the amount
    // and recomputes the preview.
    EventEditor editor(EditorEdit, 1);
    editor.findChild<QCheckBox*>(QStringLiteral("ChkGen"))->setChecked(true);
    QLineEdit* amount = editor.findChild<QLineEdit*>(QStringLiteral("TxtDE0"));
    amount->clear();
    Report("balance preview, keystroke in the event editor",
           Time(500,
                [&](int i) {
                    if (i % 6 == 5) amount->clear();
                    QTest::keyClick(amount, char('1' + i % 9));
                }),
           5);

    Report("refill of one day: lines, totals, balance, cell",
           Time(2000,
                [&](int i) {
                    const int c = kFirstCell + i % kCellCount;
                    const QList<EventsLine> lines = EventsListLines(doc, month, c);
                    const DayTotalsTexts totals = TotalsTexts(TotalsOfDay(doc, month, c));
                    const BalanceLabels balance = EventsTabBalance(doc, month, c, date, 1);
                    const auto cellLines = CellLines(doc, month, c);
                    Q_UNUSED(lines)
                    Q_UNUSED(totals)
                    Q_UNUSED(balance)
                    Q_UNUSED(cellLines)
                }),
           16);

    // Back and forth between two days so that the lists keep their size.
    const int from = CellOfDate(MakeDate(3, 6, 2026)), to = CellOfDate(MakeDate(17, 6, 2026));
    Report("cut and paste between two days",
           Time(2000,
                [&](int i) {
                    const bool back = i % 2;
                    const int source = back ? to : from, target = back ? from : to;
                    CopyEntry(6, source, 4, ClipboardCut);
                    PasteEntry(6, target);
                }),
           16);

    std::printf("days now hold %d and %d entries\n", int(doc.Month(6).Cell(from).Entries.size()),
                int(doc.Month(6).Cell(to).Entries.size()));
    std::printf("peak memory %ld KiB\n", PeakMemoryKiB());
    return 0;
}
