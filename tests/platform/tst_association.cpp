// The ".cal" association in the user's own folders: what registering writes, what the desktop
// tools then answer, and that unregistering takes away our entries and nobody else's.

#include "platform/FileAssociation.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestAssociation : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        m_places.DataHome = m_home->filePath(u"data/"_qs);
        m_places.ConfigHome = m_home->filePath(u"config/"_qs);
        m_places.Program = QCoreApplication::applicationFilePath(); // a program that exists
        m_places.Icon = u"daybinder"_qs;
    }

    void mimeappsKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QByteArray>("after");
        const QByteArray entry = kDesktopEntryName.toUtf8();
        const QByteArray other = "[Added Associations]\napplication/x-daybinder=" + entry + ";\n";
        const QByteArray defaults = "[Default Applications]\n";
        const QByteArray plain = "text/plain=gedit.desktop\n";
        const QByteArray ours = "application/x-daybinder=" + entry + ";\n";
        const QByteArray theirs = "application/x-daybinder=agenda.desktop;\n";
        QTest::newRow("other groups") << other << kDesktopEntryName << other + '\n' + defaults + ours;
        QTest::newRow("replaces another default")
            << defaults + plain + theirs << kDesktopEntryName << defaults + plain + ours;
        QTest::newRow("removes ours, keeps the rest of the list")
            << defaults + "application/x-daybinder=" + entry + ";agenda.desktop;\n"
            << QString() << defaults + theirs;
        QTest::newRow("removes ours only from the defaults")
            << other + defaults + ours << QString() << other + defaults;
    }
    void mimeappsKeepsEveryOtherLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, handler);
        QFETCH(QByteArray, after);
        QCOMPARE(WithDefaultHandler(before, kDaybinderMimeType, handler), after);
        if (!handler.isEmpty()) QCOMPARE(DefaultHandlerIn(after, kDaybinderMimeType), handler);
    }

    void uncheckingLeavesAnotherProgramsDefault()
    {
        FileAssociation association(m_places);
        QVERIFY(association.Register());
        const QString mimeapps = m_places.ConfigHome + u"mimeapps.list"_qs;
        QVERIFY(SaveBytes(mimeapps, "[Default Applications]\napplication/x-daybinder=agenda.desktop;\n"
                                    "image/png=viewer.desktop\n"));
        QVERIFY(!association.IsDefault());
        QVERIFY(association.Unregister());
        QCOMPARE(
            FileBytes(mimeapps),
            QByteArray("[Default "
                       "Applications]\napplication/x-daybinder=agenda.desktop;\nimage/png=viewer.desktop\n"));
        // The type stays known for the program that opens it now.
        QVERIFY(QFile::exists(m_places.DataHome + u"mime/packages/daybinder.xml"_qs));
        QVERIFY(!QFile::exists(m_places.DataHome + u"applications/"_qs + kDesktopEntryName));
    }

    void aPathWithBlanksAndQuotesStaysOneArgument()
    {
        QCOMPARE(OpenCommand(u"/opt/Day binder/daybinder"_qs), u"\"/opt/Day binder/daybinder\" %f"_qs);
        QCOMPARE(OpenCommand(u"/a\"b$c%d"_qs), u"\"/a\\\"b\\$c%%d\" %f"_qs);
        m_places.Program = u"/x\\y"_qs;
        QVERIFY(DesktopEntry(m_places).contains("Exec=\"/x\\\\\\\\y\" %f"));
    }

    void registeringMakesUsTheDefaultUntilUnchecked()
    {
        // What the desktop tools answer, when they are installed (xdg-utils).
        const QString xdgMime = QStandardPaths::findExecutable(u"xdg-mime"_qs);
        const QString file = m_home->filePath(u"demo.cal"_qs);
        QVERIFY(SaveBytes(file, QByteArray("PK\x03\x04", 4)));
        const auto ask = [&](const QStringList& args) {
            if (xdgMime.isEmpty()) return QString();
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"XDG_DATA_HOME"_qs, m_places.DataHome);
            env.insert(u"XDG_CONFIG_HOME"_qs, m_places.ConfigHome);
            // An installed package's entry is the system's, not the user's: leave it out.
            env.insert(u"XDG_DATA_DIRS"_qs, m_home->filePath(u"system"_qs));
            env.insert(u"XDG_CONFIG_DIRS"_qs, m_home->filePath(u"system"_qs));
            env.remove(u"XDG_CURRENT_DESKTOP"_qs);
            env.remove(u"DESKTOP_SESSION"_qs);
            p.setProcessEnvironment(env);
            p.start(xdgMime, args);
            p.waitForFinished(30000);
            return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        };
        FileAssociation association(m_places);
        QVERIFY(!association.IsDefault());
        QVERIFY(association.Register());
        QVERIFY(association.IsDefault());
        if (!xdgMime.isEmpty()) {
            QCOMPARE(ask({u"query"_qs, u"filetype"_qs, file}), kDaybinderMimeType);
            QCOMPARE(ask({u"query"_qs, u"default"_qs, kDaybinderMimeType}), kDesktopEntryName);
        }

        // The program moved: the entry no longer starts it, the box shows unchecked.
        AssociationPlaces moved = m_places;
        moved.Program = u"/ailleurs/daybinder"_qs;
        QVERIFY(!FileAssociation(moved).IsDefault());

        QVERIFY(association.Unregister());
        QVERIFY(!association.IsDefault());
        QVERIFY(ask({u"query"_qs, u"default"_qs, kDaybinderMimeType}) != kDesktopEntryName);
        QVERIFY(!QFile::exists(m_places.DataHome + u"applications/"_qs + kDesktopEntryName));
        QVERIFY(!QFile::exists(m_places.DataHome + u"mime/packages/daybinder.xml"_qs));
        if (xdgMime.isEmpty()) QSKIP("xdg-utils is not installed: the desktop tools were not asked");
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
    AssociationPlaces m_places;
};

QTEST_GUILESS_MAIN(TestAssociation)
#include "tst_association.moc"
