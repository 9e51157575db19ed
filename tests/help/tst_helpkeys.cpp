#include "HelpPages.h"
#include "alarms/AlertWindow.h"
#include "app/SplashWindow.h"
#include "commands/SavePartsDialog.h"
#include "entries/AccountEditor.h"
#include "entries/AutoEventEditor.h"
#include "entries/BirthdayEditor.h"
#include "entries/EventEditor.h"
#include "help/AboutBox.h"
#include "help/FolderChooser.h"
#include "options/OptionsDialog.h"
#include "pictures/PictureChooser.h"
#include "pictures/PictureEditor.h"
#include "platform/HelpTopic.h"
#include "platform/PasswordDialog.h"
#include "printing/PrintPreview.h"
#include "properties/PropertiesDialog.h"
#include "summary/ChartWindow.h"
#include "support/Widgets.h"
#include "sync/SyncDialog.h"
#include "views/ShellFixture.h"
#include "views/TabPage.h"

#include <QAbstractButton>
#include <QApplication>
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

using Maker = std::function<QWidget*(ShellFixture&)>;

QString Topic(const char* page)
{
    return QStringLiteral("Html\\%1.htm").arg(QLatin1String(page));
}

// A window of its own, made by make, that the walk closes afterwards.
HelpKeyRow Owned(const QString& window, const char* page, Maker make)
{
    return {window, Topic(page), [make](ShellFixture& f, std::unique_ptr<QWidget>& keeper) {
                keeper.reset(make(f));
                return keeper.get();
            }};
}

// The same with a new document open first.
HelpKeyRow WithDocument(const QString& window, const char* page, Maker make)
{
    return Owned(window, page, [make](ShellFixture& f) {
        f.NewDocument(2026);
        return make(f);
    });
}

// One row for each tab of a window whose tabs have pages of their own.
void AddTabs(QList<HelpKeyRow>& rows, const char* window, const char* tabs, QList<const char*> pages,
             Maker make)
{
    for (int i = 0; i < pages.size(); ++i)
        rows.append(Owned(QStringLiteral("%1, page %2").arg(QLatin1String(window)).arg(i), pages[i],
                          [=](ShellFixture& f) {
                              QWidget* w = make(f);
                              Find<QTabWidget>(w, QLatin1String(tabs))->setCurrentIndex(i);
                              return w;
                          }));
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
            Topic(page),
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

    rows.append({u"month window"_qs, Topic("d_month"),
                 [](ShellFixture& f, std::unique_ptr<QWidget>&) -> QWidget* {
                     f.NewDocument(2026);
                     f.main->ShowMonth(3);
                     return f.main.get();
                 },
                 [](ShellFixture& f) -> QWidget* { return f.main->ExistingMonthWindow(3)->Grid(); }});
    AddTabs(rows, "event editor", "TbAddEV", {"d_addev_gen", "d_addev_disp", "d_addev_al"},
            [](ShellFixture& f) {
                f.NewDocument(2026);
                f.main->SelectDay(3, ShellFixture::CellOf(14, 3));
                return new EventEditor(EditorAdd, -1);
            });
    AddTabs(rows, "auto-event editor", "TbAddAE", {"d_addae_gen", "d_addae_ae", "d_addae_rg"},
            [](ShellFixture& f) {
                f.NewDocument(2026);
                return new AutoEventEditor(EditorAdd, -1);
            });
    AddTabs(rows, "options", "TbOpt", {"d_opt_gen", "d_opt_al", "d_opt_fold", "d_opt_print"},
            [](ShellFixture&) { return new OptionsDialog; });
    AddTabs(rows, "properties", "TbProp", {"d_prop_gen", "d_prop_disp", "d_prop_sav"}, [](ShellFixture& f) {
        f.NewDocument(2026);
        return new PropertiesDialog;
    });
    rows.append(WithDocument(u"birthday editor"_qs, "d_bd",
                             [](ShellFixture&) { return new BirthdayEditor(EditorAdd, -1); }));
    rows.append(WithDocument(u"debt and savings editor"_qs, "d_de",
                             [](ShellFixture&) { return new AccountEditor(EditorAdd, -1); }));
    rows.append(WithDocument(u"alert window"_qs, "d_alarm", [](ShellFixture&) {
        DayEntry due = Event(u"Dentiste"_qs);
        due.AlarmOn = -1;
        EntriesOn(14, 3).append(due);
        return new AlertWindow({3, CellOf(14, 3), 0});
    }));
    rows.append(WithDocument(u"summary chart"_qs, "d_suchart",
                             [](ShellFixture&) { return new ChartWindow(Session::Get().CurrentDocument); }));
    rows.append(WithDocument(u"print preview"_qs, "d_prev", [](ShellFixture&) { return new PrintPreview; }));
    rows.append(Owned(u"save-parts dialog"_qs, "d_asksave", [](ShellFixture&) {
        return new SavePartsDialog(QString(), {SavePart{SavePart::Header, 0, u"En-tête"_qs}});
    }));
    rows.append(Owned(u"password prompt"_qs, "d_askpass",
                      [](ShellFixture&) { return new PasswordDialog(QString()); }));
    rows.append(Owned(u"picture chooser"_qs, "d_openpic", [](ShellFixture&) { return new PictureChooser; }));
    rows.append(Owned(u"picture editor"_qs, "d_cmgraph", [](ShellFixture&) {
        return new PictureEditor(QImage(40, 30, QImage::Format_RGB32), QString());
    }));
    rows.append(Owned(u"splash window"_qs, "d_splash", [](ShellFixture&) { return new SplashWindow; }));
    rows.append(Owned(u"about box"_qs, "d_about", [](ShellFixture&) { return new AboutBox; }));
    rows.append(
        Owned(u"folder chooser"_qs, "d_askpath", [](ShellFixture&) { return new FolderChooser(QString()); }));
    rows.append(WithDocument(u"synchronisation dialog"_qs, "d_sync",
                             [](ShellFixture&) { return new SyncDialog({}); }));
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
        // Every page but the index belongs to a window.
        QStringList unwalked;
        for (const QString& topic : HelpTopics())
            if (!walked.contains(topic)) unwalked.append(topic);
        QCOMPARE(unwalked, (QStringList{u"Html\\index.htm"_qs}));
    }
};

QTEST_MAIN(TestHelpKeys)
#include "tst_helpkeys.moc"
