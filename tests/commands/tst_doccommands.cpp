#include "commands/DocumentCommands.h"
#include "document/Session.h"
#include "platform/Clock.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QTest>

// The file commands driven through their seams: scripted file dialogs and the hooks the windows
// set. The roads through the real windows (saving an unnamed document, "&Non" in the dialog of
// New, a deselected part, Cancel everywhere, the month brought to the front) are in tests/app.
class TestDocCommands : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qputenv("DAYBINDER_CONFIG_HOME", m_dir.filePath(u"config"_qs).toUtf8());
        Session::Get().Reset();
        Session::Get().SetModified(PartAll, false); // as start-up leaves it
        Clock::Install(&m_clock);
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_prompter = std::make_unique<ScriptedPrompter>();
        Settings::Get().CalOpen = Settings::Get().CalSave = m_dir.path() + u'/';
        DocumentCommands::Get().New(); // confirmed unchanged while the properties dialog hook is unset
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
    }

    void cleanup()
    {
        m_dialogs.reset();
        m_prompter.reset();
        Clock::Install(nullptr);
        DocumentCommands::Get() = DocumentCommands();
    }

    void newWithItsPropertiesCancelledGoesBackToTheLogo()
    {
        bool closed = false;
        DocumentCommands::Get().EditNewDocumentProperties = [] { return false; };
        DocumentCommands::Get().CloseMonthWindows = [&] { closed = true; };
        DocumentCommands::Get().New();
        QVERIFY(closed);
        QCOMPARE(Session::Get().Mode(), MainMode::Logo);
        QVERIFY(m_dialogs->Saved.isEmpty() && m_prompter->Asked.isEmpty());
    }

    void fixedFoldersNeverChange()
    {
        const QString other = m_dir.filePath(u"ailleurs"_qs);
        QVERIFY(QDir().mkpath(other));
        Settings::Get().CalSave = u"*"_qs + m_dir.path() + u'/';
        m_dialogs->Files = {other + u"/f.cal"_qs, other + u"/f.cal"_qs};
        QVERIFY(DocumentCommands::Get().SaveCommand(false));
        DocumentCommands::Get().Open();
        QCOMPARE(m_dialogs->Saved[0].InitialFolder, m_dir.path() + u'/');
        QCOMPARE(Settings::Get().CalSave, u"*"_qs + m_dir.path() + u'/');
        QCOMPARE(m_dialogs->Opened[0].InitialFolder, m_dir.path() + u'/');
        QCOMPARE(Settings::Get().CalOpen, other + u'/'); // not fixed: follows the last file
    }

    void partLinesComeInTheirOrderAndTheMonthToOpenToTheFront()
    {
        CalendarDocument doc;
        SetDocumentDefaults(doc, 2026);
        SetPartFlags(doc, PartMonthColours, true, 2);
        SetPartFlags(doc, PartMonthEntries, true, 12);
        SetPartFlags(doc, PartMonthBackground, true, 1);
        SetPartFlags(doc, PartDebtsSavings, true, 0);
        SetPartFlags(doc, PartHeader, true, 0);
        SetPartFlags(doc, PartBirthdays, true, 0);
        QStringList texts;
        for (const SavePart& p : ModifiedParts(doc)) texts << p.Text;
        const QString dots = u"  ... "_qs;
        QCOMPARE(texts, QStringList({Str(1306), Str(283), Str(233), Str(231) + dots + Str(221),
                                     Str(1307) + dots + Str(210), Str(1308) + dots + Str(211)}));

        doc.MonthToOpen = u"00"_qs;
        QCOMPARE(MonthToBringToFront(doc, QDate(2026, 3, 14)), 3); // "00" in the current year
        QCOMPARE(MonthToBringToFront(doc, QDate(2027, 3, 14)), 0); // another year: none
        doc.MonthToOpen = u"11"_qs;
        QCOMPARE(MonthToBringToFront(doc, QDate(2027, 3, 14)), 11);
        doc.MonthToOpen = u"13"_qs;
        QCOMPARE(MonthToBringToFront(doc, QDate(2026, 3, 14)), 3);
    }

private:
    QTemporaryDir m_dir;
    FixedClock m_clock{QDateTime(QDate(2026, 3, 14), QTime(9, 0))};
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<ScriptedPrompter> m_prompter;
};

QTEST_MAIN(TestDocCommands)
#include "tst_doccommands.moc"
