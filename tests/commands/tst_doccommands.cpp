#include "calfile/CalFile.h"
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

    // A save of some parts only: the file gets exactly those from the open document and the
    // others as last saved; the open document then drops the changes left out.
    void aPartialSaveWritesExactlyTheChosenParts()
    {
        Session& s = Session::Get();
        CalendarDocument& doc = s.CurrentDocument;
        const QString path = m_dir.filePath(u"parts.cal"_qs);
        m_dialogs->Files = {path};
        QVERIFY(DocumentCommands::Get().SaveCommand(false));
        const CalendarDocument before = doc;

        doc.Author = u"Zoé Lefèvre"_qs;
        doc.Year = u"2031"_qs;
        doc.MonthToOpen = u"07"_qs;
        doc.Password = u"été"_qs;
        doc.EmbedPictures = !before.EmbedPictures;
        s.SetModified(PartHeader, true);
        doc.Month(3).Cell(20).Entries = {
            DayEntry{false, 1, 0, false, u"Piscine"_qs, EntryEvent, -1, {}, {}, {}, {}}};
        s.SetModified(PartMonthEntries, true, 3);
        doc.DE.DebtsSavings = {DebtSavingDef{false, MakeDate(1, 1, 2026), u"Visa       2500"_qs}};
        s.SetModified(PartDebtsSavings, true);

        const auto only = [](SavePart::Kind kind) {
            return [kind](const QString&, const QList<SavePart>& parts) {
                SavePartsAnswer a{SavePartsAnswer::Yes, {}};
                for (const SavePart& p : parts)
                    if ((p.What == SavePart::Header) == (kind == SavePart::Header)) a.Chosen.append(p);
                return a;
            };
        };
        DocumentCommands::Get().AskSaveParts = only(SavePart::Header);
        QVERIFY(DocumentCommands::Get().SaveCommand(false));
        QVERIFY(doc.IsSaved);
        QVERIFY(doc.Month(3).Cell(20).Entries.isEmpty() && doc.DE.DebtsSavings.isEmpty());

        // The header alone, password included: the file is protected and asks for it.
        m_prompter->Passwords = {u"été"_qs};
        CalendarDocument back;
        QVERIFY(ReadCalFile(path, back));
        QCOMPARE(m_prompter->PasswordExpected.size(), 1);
        QCOMPARE(back.Author, u"Zoé Lefèvre"_qs);
        QCOMPARE(back.Year, u"2031"_qs);
        QCOMPARE(back.MonthToOpen, u"07"_qs);
        QCOMPARE(back.Password, u"été"_qs);
        QCOMPARE(back.EmbedPictures, !before.EmbedPictures);
        QVERIFY(back.Month(3).Cell(20).Entries.isEmpty());
        QVERIFY(back.DE.DebtsSavings.isEmpty());

        // Everything but the header: the entries go in, the file keeps its header.
        doc.Author = u"Quelqu'un d'autre"_qs;
        doc.Password.clear();
        s.SetModified(PartHeader, true);
        doc.Month(3).Cell(20).Entries = {
            DayEntry{false, 1, 0, false, u"Piscine"_qs, EntryEvent, -1, {}, {}, {}, {}}};
        s.SetModified(PartMonthEntries, true, 3);
        DocumentCommands::Get().AskSaveParts = only(SavePart::MonthEntries);
        QVERIFY(DocumentCommands::Get().SaveCommand(false));
        m_prompter->Passwords = {u"été"_qs};
        QVERIFY(ReadCalFile(path, back));
        QCOMPARE(m_prompter->PasswordExpected.size(), 2); // still protected
        QCOMPARE(back.Author, u"Zoé Lefèvre"_qs);
        QCOMPARE(back.Month(3).Cell(20).Entries.size(), 1);
    }

private:
    QTemporaryDir m_dir;
    FixedClock m_clock{QDateTime(QDate(2026, 3, 14), QTime(9, 0))};
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<ScriptedPrompter> m_prompter;
};

QTEST_MAIN(TestDocCommands)
#include "tst_doccommands.moc"
