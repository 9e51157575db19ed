#include "document/Cp1252.h"
#include "document/TextInput.h"

#include <QTest>

// The code page of the data stream and the filter every text box uses.
class TestText : public QObject
{
    Q_OBJECT
private slots:
    void everyByteSurvivesARoundTripAndTextMapsBothWays()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i) all[i] = char(i);
        bool ok = false;
        QCOMPARE(EncodeCp1252(DecodeCp1252(all), &ok), all);
        QVERIFY(ok);
        // The five bytes the code page leaves undefined are the controls of the same value.
        QCOMPARE(DecodeCp1252("\x81\x8D\x8F\x90\x9D"), QStringLiteral(u"\u0081\u008D\u008F\u0090\u009D"));

        QCOMPARE(DecodeCp1252("\x80\x8C\x9C\x8A\x85\x99"), u"€ŒœŠ…™"_qs);
        QCOMPARE(EncodeCp1252(u"Œuvre € été"), QByteArray("\x8Cuvre \x80 \xE9t\xE9"));
        QCOMPARE(EncodeCp1252(u"a\u4E2Db", &ok), QByteArray("a?b")); // a character it cannot carry
        QVERIFY(!ok);
    }

    void inputFilterRefusesWhatTheStreamCannotCarry()
    {
        for (char16_t c : {u'é', u'€', u'\''}) QVERIFY(IsTypeable(c));
        for (char16_t c : {u'"', u'\r', u'\n', u'\u4E2D', u'\u0081'}) QVERIFY(!IsTypeable(c));
        QCOMPARE(FilterTypedText(u"Dîner \"chez\" Zoé\r\n😀 Œuvre"_qs), u"Dîner chez Zoé Œuvre"_qs);

        // Pasted text is stripped and the cursor kept in place.
        CalTextValidator v;
        QString s = u"ab\"c\nd"_qs;
        int pos = 4; // after the c
        QCOMPARE(v.validate(s, pos), QValidator::Acceptable);
        QCOMPARE(s, u"abcd"_qs);
        QCOMPARE(pos, 3);
    }

    void aRefusalIsToldOncePerEdit()
    {
        QList<QObject*> told;
        InstallRefusalNotice([&told](QObject* box) { told.append(box); });
        QObject box;
        CalTextValidator v(&box);
        QString typed = u"Café \"x\" Ωμέγα Привет"_qs; // a pasted line: the allowed part goes in
        int pos = int(typed.size());
        v.validate(typed, pos);
        QCOMPARE(typed, u"Café x  "_qs);
        QCOMPARE(pos, typed.size());
        QCOMPARE(told, QList<QObject*>{&box});
        // Clean text, as the box checks it again after each edit, tells nothing.
        v.validate(typed, pos);
        QString plain = u"Œuvre à 12 €"_qs;
        v.validate(plain, pos);
        QCOMPARE(told.size(), 1);
        InstallRefusalNotice({});
    }
};

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
