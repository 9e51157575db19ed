// The names a ".cal" archive may hold: what the writer names is read back, and anything else
// (a folder, "..", an absolute path, an unknown name) is left alone.

#include "calfile/CalArchive.h"
#include "calfile/CalMembers.h"

#include <QTest>

class TestMemberNames : public QObject
{
    Q_OBJECT
private slots:
    void everyNameTheWriterMakesIsRead()
    {
        QVERIFY(IsCalMemberName(kDataMemberName));
        for (int m = 0; m <= 12; ++m) QVERIFY(IsCalMemberName(BackgroundMemberName(m)));
        QCOMPARE(EntryPictureMemberName(3, 17, 0), u"ev.03170000"_qs);
        // A day may hold 32767 entries: the last one's picture still has a name the reader takes.
        for (const int index : {0, 9999, 10000, 32766})
            QVERIFY2(IsCalMemberName(EntryPictureMemberName(12, 48, index)),
                     qPrintable(QString::number(index)));
    }

    void namesAreComparedWithoutCase()
    {
        for (const char* name : {"CALDATA.CAL", "Caldata.Cal", "BCK.05", "Ev.03170000"})
            QVERIFY2(IsCalMemberName(QString::fromLatin1(name)), name);
    }

    void otherNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"", "caldata", "caldata.cal/", "dossier/caldata.cal", "../caldata.cal", "/caldata.cal",
              "..\\caldata.cal", "C:\\caldata.cal", "bck.1", "bck.123", "bck.ab", "bck.0-", "bck.00/x",
              "ev.0317000", "ev.0317000012", "ev.0317000x", "ev.03 17000", "lisezmoi.txt"})
            QTest::newRow(name) << QString::fromLatin1(name);
        QTest::newRow("other digits") << u"bck.\u0661\u0662"_qs;
    }

    void otherNamesAreRefused()
    {
        QFETCH(QString, name);
        QVERIFY(!IsCalMemberName(name));
    }
};

QTEST_APPLESS_MAIN(TestMemberNames)
#include "tst_membernames.moc"
