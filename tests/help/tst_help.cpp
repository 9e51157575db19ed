#include "HelpPages.h"
#include "document/DateText.h"
#include "help/AboutText.h"
#include "help/FolderRules.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

QString PageText(const QString& file)
{
    const QByteArray bytes = FileBytes(file);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError()) qFatal("%s is not UTF-8", qPrintable(file));
    return text;
}

QStringList Captures(const QString& text, const QString& pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext()) found.append(it.next().captured(1));
    return found;
}

// What a reader sees of a page: the body without its tags and entities.
QString VisibleText(const QString& html)
{
    QString body = html.mid(html.indexOf(QStringLiteral("<body")));
    body.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    body.replace(QRegularExpression(QStringLiteral("&[a-z]+;")), QStringLiteral(" "));
    return body.simplified();
}

} // namespace

// The help as a user finds it beside the program, and the about box's and the folder
// chooser's texts.
class TestHelp : public QObject
{
    Q_OBJECT
private slots:
    void everyPageIsBesideTheProgramExplainsItsWindowAndLinksToPagesThatExist()
    {
        const QDir folder(SourceHtmlFolder());
        QSet<QString> pages;
        for (const QString& name : folder.entryList({u"*.htm"_qs}, QDir::Files)) pages.insert(name);
        QSet<QString> expected;
        for (const QString& topic : HelpTopics()) expected.insert(TopicFileName(topic));
        QCOMPARE(pages, expected); // every page a window opens, and no page that nothing opens

        int links = 0;
        for (const QString& name : pages) {
            const QString html = PageText(folder.filePath(name));
            QCOMPARE(FileBytes(BuiltHtmlFolder() + name), FileBytes(folder.filePath(name)));
            QVERIFY2(html.contains(QStringLiteral("charset=utf-8")), qPrintable(name));
            const QStringList title = Captures(html, QStringLiteral("<title>([^<]*)</title>"));
            QVERIFY2(title.size() == 1 && !title.first().trimmed().isEmpty(), qPrintable(name));
            // Real explanation, a worked example and the way back to the index.
            QVERIFY2(VisibleText(html).size() >= 900, qPrintable(name));
            const QStringList hrefs = Captures(html, QStringLiteral("(?:href|src)=\"([^\"]*)\""));
            if (name != u"index.htm")
                QVERIFY2(html.contains(QStringLiteral("<h2>Exemple</h2>")) && hrefs.contains(u"index.htm"_qs),
                         qPrintable(name));

            for (const QString& href : hrefs) {
                const QString file = href.section(u'#', 0, 0);
                const QString anchor = href.section(u'#', 1);
                const QByteArray where = (name + u" -> "_qs + href).toUtf8();
                QVERIFY2(!file.contains(u':') && !file.contains(u'/') && !file.isEmpty(), where);
                QVERIFY2(QFileInfo(folder.filePath(file)).isFile(), where);
                if (!anchor.isEmpty()) {
                    const QString target = PageText(folder.filePath(file));
                    QVERIFY2(target.contains(u"id=\""_qs + anchor + u'"') ||
                                 target.contains(u"name=\""_qs + anchor + u'"'),
                             where);
                }
                ++links;
            }
        }
        QVERIFY(links > 200);

        const QStringList fromIndex =
            Captures(PageText(folder.filePath(u"index.htm"_qs)), QStringLiteral("href=\"([^\"#]*)[\"#]"));
        for (const QString& name : expected)
            if (name != u"index.htm") QVERIFY2(fromIndex.contains(name), qPrintable(name));
    }

    void aboutLinesShowTheVersionAndTheProgramDate()
    {
        QCOMPARE(AboutVersionLine(2, 1, 0), u"Version: 2.01.0000"_qs);
        QCOMPARE(AboutVersionLine(10, 12, 345), u"Version: 10.12.0345"_qs);

        QTemporaryDir dir;
        const QString program = dir.filePath(u"daybinder"_qs);
        QVERIFY(SaveBytes(program, "ELF"));
        QFile file(program);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(
            file.setFileTime(QDateTime(QDate(2004, 3, 5), QTime(10, 30)), QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(AboutDateLine(program), u"Date de compilation: "_qs + ShortDateText(MakeDate(5, 3, 2004)));
        QCOMPARE(AboutDateLine(dir.path()), u"Date de compilation: [Non disponible]"_qs); // not a file
    }

    void newFoldersAreMadeAsTypedOrRefusedWithTheirReason()
    {
        QTemporaryDir dir;
        const QString parent = dir.path();

        QString made = u"stale"_qs;
        QVERIFY(!MakeNewFolder(parent, u"  Été 2026  "_qs, &made));
        QCOMPARE(made, parent + u"/Été 2026"_qs);
        QVERIFY(QFileInfo(made).isDir());
        QVERIFY(!MakeNewFolder(parent, u"   "_qs, &made)); // no name: nothing asked of the disk
        QVERIFY(made.isEmpty());
        QCOMPARE(QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"Été 2026"_qs});

        const auto failure = [&](const QString& where, const QString& name) {
            const std::optional<FolderError> e = MakeNewFolder(where, name, &made);
            return e ? e->Number : 0;
        };
        QCOMPARE(failure(parent, u"Été 2026"_qs), 58);
        QVERIFY(SaveBytes(parent + u"/notes.txt"_qs, "x"));
        QCOMPARE(failure(parent, u"notes.txt"_qs), 58);
        QCOMPARE(failure(parent, u"a/b"_qs), 52);
        QCOMPARE(failure(parent, u".."_qs), 52);
        QCOMPARE(failure(parent + u"/absent"_qs, u"x"_qs), 76);
        QVERIFY(made.isEmpty());
        if (geteuid() != 0) { // the superuser writes anywhere
            QVERIFY(QFile::setPermissions(parent, QFile::ReadOwner | QFile::ExeOwner));
            QCOMPARE(failure(parent, u"x"_qs), 70);
            QFile::setPermissions(parent, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }

        QCOMPARE(
            NewFolderErrorMessage(FolderFailure(58)).Text,
            u"Une erreur s'est produite lors de la création du nouveau dossier.\r\r"
            u"Numéro de l'erreur :  58\rDescription de l'erreur :  Ce nom existe déjà dans ce dossier"_qs);

        QCOMPARE(ChosenFolderText(u"/"_qs), u"/"_qs);
        QCOMPARE(ChosenFolderText(parent), parent + u'/');
        QCOMPARE(ChosenFolderText(parent + u"//Été 2026/"_qs), parent + u"/Été 2026/"_qs);
    }
};

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
