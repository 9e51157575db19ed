#include "HelpPages.h"
#include "alarms/AlertWindow.h"
#include "app/SplashWindow.h"
#include "commands/SavePartsDialog.h"
#include "entries/AccountEditor.h"
#include "entries/EventEditor.h"
#include "help/AboutBox.h"
#include "help/FolderChooser.h"
#include "help/Help.h"
#include "pictures/PictureChooser.h"
#include "platform/PasswordDialog.h"
#include "properties/PropertiesDialog.h"
#include "settings/OptionsDialog.h"
#include "summary/ChartWindow.h"
#include "support/Widgets.h"
#include "views/ShellFixture.h"
#include "views/TabPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// One window of the walk: how to open it, and the page its F1 (and its help button, when it has
// one) must open. A window still to come adds its row to WalkRows().
struct HelpKeyRow
{
    QString Window; // named in a failure
    QString Page;
    // Makes the window; owned windows go into the walk's keeper.
    std::function<QWidget*(ShellFixture&, std::unique_ptr<QWidget>& keeper)> Open;
    // Where the user's focus is when F1 is pressed, inside the window; its focus widget when empty.
    std::function<QWidget*(ShellFixture&)> Focus = {};
};

template <class W> QWidget* Keep(std::unique_ptr<QWidget>& keeper, W* window)
{
    keeper.reset(window);
    return window;
}

// The main window on a tab, with no document (not E), a document without a day (E, not S) or
// with a selected day (E and S).
enum class Shell
{
    Logo,
    NoDay,
    Day
};

HelpKeyRow TabRow(const char* tab, int index, Shell state, const char* page)
{
    static const char* const kStates[] = {"no document", "no day", "a day"};
    return {QStringLiteral("%1 tab, %2").arg(QLatin1String(tab), QLatin1String(kStates[int(state)])),
            QStringLiteral("Html\\%1.htm").arg(QLatin1String(page)),
            [index, state](ShellFixture& f, std::unique_ptr<QWidget>&) -> QWidget* {
                if (state != Shell::Logo) f.NewDocument(2026);
                if (state == Shell::Day) f.main->SelectDay(3, ShellFixture::CellOf(14, 3));
                f.main->SetCurrentTab(index);
                return f.main.get();
            },
            // On the navigation panel: F1 in a month window is the month window's.
            [index](ShellFixture& f) -> QWidget* { return f.main->Page(index); }};
}

QList<HelpKeyRow> WalkRows()
{
    QList<HelpKeyRow> rows;
    const struct
    {
        const char* Name;
        int Index;
        const char* Pages[3];
    } tabs[] = {
        {"commands", TabCommands, {"t_commands", "t_commands", "t_commands"}},
        {"events", TabEvents, {"t_events_1", "t_events_2", "t_events_3"}},
        {"auto-events", TabAutoEvents, {"t_aevents_1", "t_aevents_2", "t_aevents_2"}},
        {"debts", TabDebts, {"t_debts_1", "t_debts_2", "t_debts_2"}},
        {"birthdays", TabBirthdays, {"t_bd_1", "t_bd_2", "t_bd_2"}},
        {"summary", TabSummary, {"t_sum_1", "t_sum_2", "t_sum_3"}},
    };
    for (const auto& t : tabs)
        for (Shell s : {Shell::Logo, Shell::NoDay, Shell::Day})
            rows.append(TabRow(t.Name, t.Index, s, t.Pages[int(s)]));

    rows.append({u"month window"_qs, u"Html\\d_month.htm"_qs,
                 [](ShellFixture& f, std::unique_ptr<QWidget>&) {
                     f.NewDocument(2026);
                     f.main->ShowMonth(3);
                     return static_cast<QWidget*>(f.main.get());
                 },
                 [](ShellFixture& f) -> QWidget* { return f.main->ExistingMonthWindow(3)->Grid(); }});
    const char* const eventPages[] = {"d_addev_gen", "d_addev_disp", "d_addev_al"};
    for (int page = 0; page < 3; ++page)
        rows.append({QStringLiteral("event editor, page %1").arg(page),
                     QStringLiteral("Html\\%1.htm").arg(QLatin1String(eventPages[page])),
                     [page](ShellFixture& f, std::unique_ptr<QWidget>& keeper) {
                         f.NewDocument(2026);
                         f.main->SelectDay(3, ShellFixture::CellOf(14, 3));
                         auto* editor = new EventEditor(EditorAdd, -1);
                         Find<QTabWidget>(editor, "TbAddEV")->setCurrentIndex(page);
                         return Keep(keeper, editor);
                     }});
    rows.append({u"debt and savings editor"_qs, u"Html\\d_de.htm"_qs,
                 [](ShellFixture& f, std::unique_ptr<QWidget>& keeper) {
                     f.NewDocument(2026);
                     return Keep(keeper, new AccountEditor(EditorAdd, -1));
                 }});
    rows.append({u"save-parts dialog"_qs, u"Html\\d_asksave.htm"_qs,
                 [](ShellFixture&, std::unique_ptr<QWidget>& keeper) {
                     return Keep(keeper, new SavePartsDialog(QString(),
                                                             {SavePart{SavePart::Header, 0, u"En-tête"_qs}}));
                 }});
    rows.append({u"password prompt"_qs, u"Html\\d_askpass.htm"_qs,
                 [](ShellFixture&, std::unique_ptr<QWidget>& keeper) {
                     return Keep(keeper, new PasswordDialog(QString()));
                 }});
    rows.append(
        {u"picture chooser"_qs, u"Html\\d_openpic.htm"_qs,
         [](ShellFixture&, std::unique_ptr<QWidget>& keeper) { return Keep(keeper, new PictureChooser); }});
    rows.append(
        {u"splash window"_qs, u"Html\\d_splash.htm"_qs,
         [](ShellFixture&, std::unique_ptr<QWidget>& keeper) { return Keep(keeper, new SplashWindow); }});
    rows.append({u"about box"_qs, u"Html\\d_about.htm"_qs,
                 [](ShellFixture&, std::unique_ptr<QWidget>& keeper) { return Keep(keeper, new AboutBox); }});
    rows.append(
        {u"alert window"_qs, u"Html\\d_alarm.htm"_qs, [](ShellFixture& f, std::unique_ptr<QWidget>& keeper) {
             f.NewDocument(2026);
             DayEntry due = Event(u"Dentiste"_qs);
             due.AlarmOn = -1;
             EntriesOn(14, 3).append(due);
             return Keep(keeper, new AlertWindow({3, CellOf(14, 3), 0}));
         }});
    const char* const optionPages[] = {"d_opt_gen", "d_opt_al", "d_opt_fold", "d_opt_print"};
    for (int page = 0; page < 4; ++page)
        rows.append({QStringLiteral("options, page %1").arg(page),
                     QStringLiteral("Html\\%1.htm").arg(QLatin1String(optionPages[page])),
                     [page](ShellFixture&, std::unique_ptr<QWidget>& keeper) {
                         auto* options = new OptionsDialog;
                         options->Pages()->setCurrentIndex(page);
                         return Keep(keeper, options);
                     }});
    const char* const propertyPages[] = {"d_prop_gen", "d_prop_disp", "d_prop_sav"};
    for (int page = 0; page < 3; ++page)
        rows.append({QStringLiteral("properties, page %1").arg(page),
                     QStringLiteral("Html\\%1.htm").arg(QLatin1String(propertyPages[page])),
                     [page](ShellFixture& f, std::unique_ptr<QWidget>& keeper) {
                         f.NewDocument(2026);
                         auto* properties = new PropertiesDialog;
                         Find<QTabWidget>(properties, "TbProp")->setCurrentIndex(page);
                         return Keep(keeper, properties);
                     }});
    rows.append({u"summary chart"_qs, u"Html\\d_suchart.htm"_qs,
                 [](ShellFixture& f, std::unique_ptr<QWidget>& keeper) {
                     f.NewDocument(2026);
                     return Keep(keeper, new ChartWindow(Session::Get().CurrentDocument));
                 }});
    rows.append({u"folder chooser"_qs, u"Html\\d_askpath.htm"_qs,
                 [](ShellFixture&, std::unique_ptr<QWidget>& keeper) {
                     return Keep(keeper, new FolderChooser(QString()));
                 }});
    return rows;
}

// The help button of the window (or of the part of it that has the focus), when it has one:
// the visible "CmdHelp".
QAbstractButton* HelpButton(QWidget* window)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>(u"CmdHelp"_qs))
        if (b->isVisibleTo(window)) return b;
    return nullptr;
}

} // namespace

// F1 in every window opens that window's own help page, and so does its help button.
class TestHelpKeys : public QObject
{
    Q_OBJECT
private slots:
    void f1InEveryWindowOpensItsOwnPage()
    {
        QStringList walked;
        for (const HelpKeyRow& row : WalkRows()) {
            const QByteArray nameBytes = row.Window.toUtf8();
            const char* name = nameBytes.constData();
            QVERIFY2(HelpTopics().contains(row.Page), name);
            QVERIFY2(QFileInfo(SourceHtmlFolder() + TopicFileName(row.Page)).isFile(), name);

            ShellFixture f;
            std::unique_ptr<QWidget> keeper;
            QWidget* window = row.Open(f, keeper);
            window->show();
            window->activateWindow();
            QVERIFY2(QTest::qWaitForWindowActive(window), name);

            ShowHelpTopic(u"Html\\index.htm"_qs); // so that each check starts afresh
            QWidget* focus = row.Focus ? row.Focus(f) : QApplication::focusWidget();
            if (!focus) focus = window;
            QTest::keyClick(focus, Qt::Key_F1);
            QVERIFY2(LastHelpTopic() == row.Page, qPrintable(row.Window + u": "_qs + LastHelpTopic()));
            if (QAbstractButton* button = HelpButton(row.Focus ? focus : window)) {
                ShowHelpTopic(u"Html\\index.htm"_qs);
                button->click();
                QVERIFY2(LastHelpTopic() == row.Page,
                         qPrintable(row.Window + u" (button): "_qs + LastHelpTopic()));
            }
            keeper.reset();
            walked.append(row.Page);
        }
        // Every page but the index belongs to a window; the walk covers those that exist now.
        QVERIFY(walked.size() >= 37);
    }
};

QTEST_MAIN(TestHelpKeys)
#include "tst_helpkeys.moc"
