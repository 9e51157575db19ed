#include "calfile/CalFile.h"
#include "document/DocumentCommands.h"
#include "document/Money.h"
#include "document/Session.h"
#include "platform/Clock.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The file commands driven through their seams: scripted file dialogs, a scripted save-parts
// answer, and hooks that count what the windows were asked to do.
class TestDocCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void saveOnAnUnchangedUnnamedDocumentAsksForAPath();
    void saveOnAChangedUnnamedDocumentAsksForThePathAfterYes();
    void cancelEverywhereLeavesDocumentAndDiskAlone();
    void deselectedPartIsWrittenAsLastSavedAndDropped();
    void noInTheDialogOfNewDiscardsTheChanges();
    void openBringsTheRightMonthToTheFront();
    void failedOpenLeavesABlankDocumentAtTheLogo();
    void fixedFoldersNeverChange();
    void partLinesComeInTheirOrder();

private:
    DayEntry Expense(const QString& name, const QString& amount);
    QString PathIn(const QString& name) const { return m_dir.filePath(name); }
    void MakeNewDocument();

    QTemporaryDir m_dir;
    FixedClock m_clock{QDateTime(QDate(2026, 3, 14), QTime(9, 0))};
    ScriptedDialogs* m_dialogs = nullptr;
    ScriptedPrompter* m_prompter = nullptr;
    QList<QList<SavePart>> m_partsAsked;
    QList<SavePartsAnswer> m_answers;
    QList<int> m_built;
    QList<int> m_front;
};

DayEntry TestDocCommands::Expense(const QString& name, const QString& amount)
{
    DayEntry e;
    e.EntryType = EntryExpense;
    e.Description = MoneyDescription(name, amount);
    return e;
}

void TestDocCommands::init()
{
    qputenv("DAYBINDER_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
    Session::Get().Reset();
    Session::Get().SetModified(PartAll, false); // as start-up leaves it
    Clock::Install(&m_clock);
    m_dialogs = new ScriptedDialogs;
    m_prompter = new ScriptedPrompter;
    m_partsAsked.clear();
    m_answers.clear();
    m_built.clear();
    m_front.clear();
    Settings::Get().CalOpen = m_dir.path() + u'/';
    Settings::Get().CalSave = m_dir.path() + u'/';

    DocumentCommands& c = DocumentCommands::Get();
    c.AskSaveParts = [this](const QString&, const QList<SavePart>& parts) {
        m_partsAsked.append(parts);
        return m_answers.isEmpty() ? SavePartsAnswer() : m_answers.takeFirst();
    };
    c.BuildMonthWindow = [this](int m) { m_built.append(m); };
    c.BringMonthToFront = [this](int m) { m_front.append(m); };
    c.CloseMonthWindows = nullptr;
    c.EditNewDocumentProperties = nullptr;
    c.RunAlarmCheck = nullptr;
}

void TestDocCommands::cleanup()
{
    delete m_dialogs;
    delete m_prompter;
    Clock::Install(nullptr);
    DocumentCommands::Get() = DocumentCommands();
}

void TestDocCommands::MakeNewDocument()
{
    DocumentCommands::Get().New();
    QCOMPARE(Session::Get().Mode(), MainMode::Edit);
    m_built.clear();
    m_front.clear();
}

void TestDocCommands::saveOnAnUnchangedUnnamedDocumentAsksForAPath()
{
    MakeNewDocument();
    const QString path = PathIn(QStringLiteral("a.cal"));
    m_dialogs->Files = {path};
    QVERIFY(DocumentCommands::Get().SaveCommand(false));
    QVERIFY(m_partsAsked.isEmpty());
    QCOMPARE(m_dialogs->Saved.size(), 1);
    QVERIFY(m_dialogs->Saved[0].OverwritePrompt);
    QCOMPARE(m_dialogs->Saved[0].DefaultExtension, QStringLiteral("cal"));
    QCOMPARE(m_dialogs->Saved[0].FilterIndex, 2);
    QVERIFY(QFile::exists(path));
    QCOMPARE(Session::Get().CurrentDocument.FilePath, path);
    QCOMPARE(Session::Get().Mode(), MainMode::Edit);
    QVERIFY(Session::Get().Caption().endsWith(path));
}

void TestDocCommands::saveOnAChangedUnnamedDocumentAsksForThePathAfterYes()
{
    MakeNewDocument();
    Session& s = Session::Get();
    s.CurrentDocument.Month(3).Cell(20).Entries.append(
        Expense(QStringLiteral("Loyer"), QStringLiteral("650")));
    s.SetModified(PartMonthEntries, true, 3);
    QVERIFY(s.Caption().endsWith(u'*'));

    const QString path = PathIn(QStringLiteral("b.cal"));
    m_dialogs->Files = {path};
    m_answers = {{SavePartsAnswer::Yes, ModifiedParts(s.CurrentDocument)}};
    QVERIFY(DocumentCommands::Get().SaveCommand(false));
    QCOMPARE(m_partsAsked.size(), 1);
    QCOMPARE(m_dialogs->Saved.size(), 1); // asked only after "&Oui"
    QVERIFY(s.CurrentDocument.IsSaved);
    QVERIFY(!s.Caption().endsWith(u'*'));
    QVERIFY(m_built.isEmpty()); // everything written: no rebuild

    CalendarDocument back;
    QVERIFY(ReadCalFile(path, back));
    QCOMPARE(back.Month(3).Cell(20).Entries.size(), 1);
}

void TestDocCommands::cancelEverywhereLeavesDocumentAndDiskAlone()
{
    MakeNewDocument();
    Session& s = Session::Get();
    const QString path = PathIn(QStringLiteral("c.cal"));
    m_dialogs->Files = {path};
    QVERIFY(DocumentCommands::Get().SaveCommand(false));
    const QByteArray onDisk = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    s.CurrentDocument.Author = QStringLiteral("Quelqu'un");
    s.SetModified(PartHeader, true);

    // Save As cancelled in the file dialog.
    QVERIFY(!DocumentCommands::Get().SaveCommand(true));
    // Save, Cancel in the save-parts dialog.
    QVERIFY(!DocumentCommands::Get().SaveCommand(false));
    // New and Open stop at the same question.
    DocumentCommands::Get().New();
    m_dialogs->Files = {path};
    DocumentCommands::Get().Open();
    QCOMPARE(m_partsAsked.size(), 3);

    QCOMPARE(s.CurrentDocument.Author, QStringLiteral("Quelqu'un"));
    QVERIFY(!s.CurrentDocument.IsSaved);
    QCOMPARE(s.CurrentDocument.FilePath, path);
    QCOMPARE(s.Mode(), MainMode::Edit);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), onDisk);
}

void TestDocCommands::deselectedPartIsWrittenAsLastSavedAndDropped()
{
    MakeNewDocument();
    Session& s = Session::Get();
    AutoEventDef first;
    first.Kind = 8;
    first.Description = QStringLiteral("Premier");
    first.Key = MakeKey(u"AE", ++s.CurrentDocument.AE.AENextId);
    s.CurrentDocument.AE.AutoEvents.append(first);
    const QString path = PathIn(QStringLiteral("d.cal"));
    m_dialogs->Files = {path};
    m_answers = {{SavePartsAnswer::Yes, {}}};
    s.SetModified(PartAutoEvents, true);
    m_answers = {{SavePartsAnswer::Yes, ModifiedParts(s.CurrentDocument)}};
    QVERIFY(DocumentCommands::Get().SaveCommand(false));

    // Two changes; the auto-event line is left out.
    AutoEventDef second = first;
    second.Description = QStringLiteral("Second");
    s.CurrentDocument.AE.AutoEvents.append(second);
    s.SetModified(PartAutoEvents, true);
    s.CurrentDocument.Month(5).Cell(12).Entries.append(
        Expense(QStringLiteral("Épicerie"), QStringLiteral("80")));
    s.SetModified(PartMonthEntries, true, 5);
    QList<SavePart> chosen = ModifiedParts(s.CurrentDocument);
    QCOMPARE(chosen.size(), 2);
    chosen.removeIf([](const SavePart& p) { return p.What == SavePart::AutoEvents; });
    m_answers = {{SavePartsAnswer::Yes, chosen}};
    QVERIFY(DocumentCommands::Get().SaveCommand(false));

    CalendarDocument back;
    QVERIFY(ReadCalFile(path, back));
    QCOMPARE(back.AE.AutoEvents.size(), 1);
    QCOMPARE(back.Month(5).Cell(12).Entries.size(), 1);
    // The open document now is what was written, shown again in the month windows.
    QCOMPARE(s.CurrentDocument.AE.AutoEvents.size(), 1);
    QCOMPARE(s.CurrentDocument.Month(5).Cell(12).Entries.size(), 1);
    QVERIFY(s.CurrentDocument.IsSaved);
    QCOMPARE(m_built.size(), 12);
}

void TestDocCommands::noInTheDialogOfNewDiscardsTheChanges()
{
    MakeNewDocument();
    Session& s = Session::Get();
    s.CurrentDocument.Author = QStringLiteral("Perdu");
    s.SetModified(PartHeader, true);
    m_answers = {{SavePartsAnswer::No, {}}};
    bool propertiesAsked = false;
    DocumentCommands::Get().EditNewDocumentProperties = [&] {
        propertiesAsked = true;
        return true;
    };
    DocumentCommands::Get().New();
    QVERIFY(propertiesAsked);
    QCOMPARE(m_partsAsked.size(), 1);
    QVERIFY(s.CurrentDocument.Author.isEmpty());
    QVERIFY(s.CurrentDocument.IsSaved);
    QCOMPARE(s.CurrentDocument.Year, QStringLiteral("2026"));
    QCOMPARE(s.Mode(), MainMode::Edit);
    QCOMPARE(m_built.size(), 12);

    // Properties cancelled: back to the logo with the month windows closed.
    bool closed = false;
    DocumentCommands::Get().EditNewDocumentProperties = [] { return false; };
    DocumentCommands::Get().CloseMonthWindows = [&] { closed = true; };
    DocumentCommands::Get().New();
    QVERIFY(closed);
    QCOMPARE(s.Mode(), MainMode::Logo);
}

void TestDocCommands::openBringsTheRightMonthToTheFront()
{
    CalendarDocument doc;
    SetDocumentDefaults(doc, 2026);
    QCOMPARE(MonthToBringToFront(doc, QDate(2026, 3, 14)), 3); // "00" in the current year
    QCOMPARE(MonthToBringToFront(doc, QDate(2027, 3, 14)), 0); // another year: none
    doc.MonthToOpen = QStringLiteral("11");
    QCOMPARE(MonthToBringToFront(doc, QDate(2027, 3, 14)), 11);
    doc.MonthToOpen = QStringLiteral("13");
    QCOMPARE(MonthToBringToFront(doc, QDate(2026, 3, 14)), 3);

    MakeNewDocument();
    Session& s = Session::Get();
    s.CurrentDocument.MonthToOpen = QStringLiteral("07");
    const QString path = PathIn(QStringLiteral("e.cal"));
    m_dialogs->Files = {path};
    QVERIFY(DocumentCommands::Get().SaveCommand(false));
    DocumentCommands::Get().Open(path);
    QCOMPARE(m_front, QList<int>{7});
    QCOMPARE(m_built.size(), 12);
    QCOMPARE(s.CurrentDocument.FilePath, path);
    QVERIFY(s.CurrentDocument.IsSaved);
}

void TestDocCommands::failedOpenLeavesABlankDocumentAtTheLogo()
{
    MakeNewDocument();
    const QString path = PathIn(QStringLiteral("broken.cal"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not an archive at all");
    f.close();
    DocumentCommands::Get().Open(path);
    Session& s = Session::Get();
    QCOMPARE(s.Mode(), MainMode::Logo);
    QVERIFY(s.CurrentDocument.FilePath.isEmpty());
    QVERIFY(s.CurrentDocument.Year.isEmpty());
    QVERIFY(!m_prompter->Asked.isEmpty()); // the reader told the user
    QCOMPARE(s.Caption(), QStringLiteral("Daybinder v2.1 ") + Str(10004));
}

void TestDocCommands::fixedFoldersNeverChange()
{
    const QString other = m_dir.filePath(QStringLiteral("ailleurs"));
    QVERIFY(QDir().mkpath(other));
    Settings::Get().CalSave = QStringLiteral("*") + m_dir.path() + u'/';
    Settings::Get().CalOpen = m_dir.path() + u'/';

    MakeNewDocument();
    m_dialogs->Files = {other + QStringLiteral("/f.cal")};
    QVERIFY(DocumentCommands::Get().SaveCommand(false));
    QCOMPARE(m_dialogs->Saved[0].InitialFolder, m_dir.path() + u'/');
    QCOMPARE(Settings::Get().CalSave, QStringLiteral("*") + m_dir.path() + u'/');

    m_dialogs->Files = {other + QStringLiteral("/f.cal")};
    DocumentCommands::Get().Open();
    QCOMPARE(m_dialogs->Opened[0].InitialFolder, m_dir.path() + u'/');
    QCOMPARE(Settings::Get().CalOpen, other + u'/'); // not fixed: follows the last file
}

void TestDocCommands::partLinesComeInTheirOrder()
{
    CalendarDocument doc;
    SetDocumentDefaults(doc, 2026);
    SetPartFlags(doc, PartMonthColours, true, 2);
    SetPartFlags(doc, PartMonthEntries, true, 12);
    SetPartFlags(doc, PartMonthBackground, true, 1);
    SetPartFlags(doc, PartDebtsSavings, true, 0);
    SetPartFlags(doc, PartHeader, true, 0);
    SetPartFlags(doc, PartBirthdays, true, 0);
    const QList<SavePart> parts = ModifiedParts(doc);
    QStringList texts;
    for (const SavePart& p : parts) texts << p.Text;
    QCOMPARE(texts,
             QStringList({Str(1306), Str(283), Str(233), Str(231) + QStringLiteral("  ... ") + Str(221),
                          Str(1307) + QStringLiteral("  ... ") + Str(210),
                          Str(1308) + QStringLiteral("  ... ") + Str(211)}));
}

QTEST_MAIN(TestDocCommands)
#include "tst_doccommands.moc"
