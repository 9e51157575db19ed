#include "document/Cp1252.h"
#include "document/TextInput.h"

#include <QTest>

class TestText : public QObject
{
    Q_OBJECT
private slots:
    void everyByteSurvivesARoundTrip();
    void highRangeDecodesToTheRightCharacters();
    void foreignCharactersAreReported();
    void inputFilterRefusesWhatTheStreamCannotCarry();
    void validatorStripsPastedTextAndKeepsTheCursor();
};

void TestText::everyByteSurvivesARoundTrip()
{
    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i) all[i] = char(i);
    bool ok = false;
    QCOMPARE(EncodeCp1252(DecodeCp1252(all), &ok), all);
    QVERIFY(ok);
}

void TestText::highRangeDecodesToTheRightCharacters()
{
    QCOMPARE(DecodeCp1252("\x80"), QStringLiteral("€"));
    QCOMPARE(DecodeCp1252("\x8C\x9C\x8A\x85\x99"), QStringLiteral("ŒœŠ…™"));
    QCOMPARE(DecodeCp1252("\xE9t\xE9"), QStringLiteral("été"));
    QCOMPARE(EncodeCp1252(u"Œuvre € été"), QByteArray("\x8Cuvre \x80 \xE9t\xE9"));
}

void TestText::foreignCharactersAreReported()
{
    bool ok = true;
    QCOMPARE(EncodeCp1252(u"a\u4E2Db", &ok), QByteArray("a?b"));
    QVERIFY(!ok);
    QVERIFY(!IsCp1252(0x0080)); // the byte 0x80 is the euro sign
}

void TestText::inputFilterRefusesWhatTheStreamCannotCarry()
{
    QVERIFY(IsTypeable(u'é'));
    QVERIFY(IsTypeable(QChar(0x20AC)));
    QVERIFY(IsTypeable(u'\''));
    QVERIFY(!IsTypeable(u'"'));
    QVERIFY(!IsTypeable(u'\r'));
    QVERIFY(!IsTypeable(u'\n'));
    QVERIFY(!IsTypeable(QChar(0x4E2D)));
    QVERIFY(!IsTypeable(QChar(0x0081)));
    QCOMPARE(FilterTypedText(QStringLiteral("Dîner \"chez\" Zoé\r\n😀 Œuvre")),
             QStringLiteral("Dîner chez Zoé Œuvre"));
}

void TestText::validatorStripsPastedTextAndKeepsTheCursor()
{
    CalTextValidator v;
    QString s = QStringLiteral("ab\"c\nd");
    int pos = 4; // after the c
    QCOMPARE(v.validate(s, pos), QValidator::Acceptable);
    QCOMPARE(s, QStringLiteral("abcd"));
    QCOMPARE(pos, 3);
}

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
