#include "document/AmountText.h"
#include "document/Money.h"
#include "document/NumberText.h"

#include <QTest>
#include <limits>

class TestMoney : public QObject
{
    Q_OBJECT
private slots:
    void numberReadingStopsWhereTheNumberEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "650" << 650.0;
        QTest::newRow("leading blanks") << "   650" << 650.0;
        QTest::newRow("decimals") << "12.5" << 12.5;
        QTest::newRow("comma stops") << "12,5" << 12.0;
        QTest::newRow("negative") << "-40" << -40.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("trailing text") << "650$ loyer" << 650.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent without digits") << "2e" << 2.0;
        QTest::newRow("blank inside stops") << "1 2" << 1.0;
        QTest::newRow("many leading zeros") << QString(300, u'0') + "42" << 42.0;
    }

    void numberReadingStopsWhereTheNumberEnds()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ReadNumber(text), value);
        QCOMPARE(ReadNumber(std::string_view(text.toLatin1().constData())), value);
    }

    void totalsRoundHalfToEvenAfterEveryAddition()
    {
        QCOMPARE(AddRounded(AddRounded(0, 12.5), 13.5), 26); // 12, then 25.5 -> 26
        QCOMPARE(AddRounded(AddRounded(0, 2.5), 3.5), 6);    // 2, then 5.5 -> 6
        QCOMPARE(AddRounded(10, -10.5), 0);                  // -0.5 rounds to even
        QCOMPARE(RoundHalfEven(-2.5, -100, 100), -2);
        QCOMPARE(RoundHalfEven(2.51, -100, 100), 3);
        // Beyond the 32-bit range a total saturates instead of wrapping round.
        QCOMPARE(AddRounded(2147483000, 1e12), std::numeric_limits<qint32>::max());
        QCOMPARE(AddRounded(0, -1e300), std::numeric_limits<qint32>::min());
        QCOMPARE(RoundHalfEven(-std::numeric_limits<double>::infinity(), -100, 100), -100);
    }

    void descriptionHoldsTheNameInTenCharactersThenTheAmount()
    {
        QCOMPARE(MoneyDescription(u"Loyer", u"650"), u"Loyer      650"_qs);
        QCOMPARE(MoneyDescription(u"  Loyer  ", u"650"), u"Loyer      650"_qs);
        QCOMPARE(MoneyDescription(u"Assurance auto", u"90"), u"Assurance  90"_qs);
        QCOMPARE(MoneyDescription(u"", u"5"), u"           5"_qs);
        QCOMPARE(MoneyDescription(u"Épicerie", u" 12.50 "), u"Épicerie    12.50 "_qs);

        QCOMPARE(AmountOf(u"Loyer      650"), 650.0);
        QCOMPARE(NamePart(u"Loyer      650"), u"Loyer"_qs);
        // A stream reader trims the blanks of a money entry with no name: the amount moves left.
        QCOMPARE(AmountOf(u"5"), 0.0);
        QCOMPARE(AmountOf(u"Visa       -300"), -300.0);
        QCOMPARE(AmountOf(u"Visa       abc"), 0.0);
        QCOMPARE(AmountOf(u"0123456789123"), 123.0); // digits in the name part are not the amount
    }

    void mirroredAmountIsTheAbsoluteValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("mirrored");
        QTest::newRow("plain") << u"650"_qs << u"650"_qs;
        QTest::newRow("minus") << u"-40"_qs << u"40"_qs;
        QTest::newRow("decimals") << u"12.50"_qs << u"12.5"_qs;
        QTest::newRow("being typed") << u"12."_qs << u"12"_qs;
        QTest::newRow("a lone minus") << u"-"_qs << u"0"_qs;
        QTest::newRow("letters") << u"abc"_qs << u"0"_qs;
        QTest::newRow("huge") << u"1e20"_qs << u"1e+20"_qs;
    }

    void mirroredAmountIsTheAbsoluteValue()
    {
        QFETCH(QString, typed);
        QFETCH(QString, mirrored);
        QCOMPARE(AbsoluteAmountText(typed), mirrored);
        // Settled: the other box gives the same text back.
        QCOMPARE(AbsoluteAmountText(mirrored), mirrored);
    }

    // What an amount box shows after each edit; the cursor is where the edit left it ("|").
    void amountBoxesTakeTheDecimalCommaAndTheirSign_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("absolute");
        QTest::newRow("decimal comma") << u"12,50|"_qs << u"12.50|"_qs << u"12.50|"_qs;
        QTest::newRow("comma being typed") << u"3,|"_qs << u"3.|"_qs << u"3.|"_qs;
        QTest::newRow("comma inside") << u"3,|20"_qs << u"3.|20"_qs << u"3.|20"_qs;
        QTest::newRow("minus") << u"-40|"_qs << u"-40|"_qs << u"40|"_qs;
        QTest::newRow("a lone minus") << u"-|"_qs << u"-|"_qs << u"0|"_qs;
        QTest::newRow("minus after the zero") << u"0-|"_qs << u"-0|"_qs << u"0|"_qs;
        QTest::newRow("minus typed last") << u"40-|"_qs << u"-40|"_qs << u"40|"_qs;
        QTest::newRow("negative decimal") << u"-12,5|"_qs << u"-12.5|"_qs << u"12.5|"_qs;
        QTest::newRow("grouped digits") << u"1 234,50|"_qs << u"1234.50|"_qs << u"1234.50|"_qs;
        QTest::newRow("no-break space") << u"1\u00A0234|"_qs << u"1234|"_qs << u"1234|"_qs;
        QTest::newRow("pasted with euro") << u"-40,00 €|"_qs << u"-40|"_qs << u"40|"_qs;
        QTest::newRow("emptied") << u"|"_qs << u"0|"_qs << u"0|"_qs;
        QTest::newRow("after the zero") << u"05|"_qs << u"5|"_qs << u"5|"_qs;
        QTest::newRow("before the zero") << u"5|0"_qs << u"5|0"_qs << u"5|0"_qs;
        QTest::newRow("letters") << u"abc|"_qs << u"0|"_qs << u"0|"_qs;
        QTest::newRow("negative letters") << u"-abc|"_qs << u"-|"_qs << u"0|"_qs;
        QTest::newRow("trailing text") << u"25$|"_qs << u"25|"_qs << u"25|"_qs;
        QTest::newRow("huge") << u"1e20|"_qs << u"1e+20|"_qs << u"1e+20|"_qs;
    }

    void amountBoxesTakeTheDecimalCommaAndTheirSign()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, absolute);
        const int cursor = int(typed.indexOf(u'|'));
        typed.remove(u'|');
        for (const auto& [sign, expected] :
             {std::pair{AmountSign::Kept, kept}, std::pair{AmountSign::Absolute, absolute}}) {
            const AmountEdit edit = FilterAmount(typed, cursor, sign);
            QString shown = edit.Text;
            shown.insert(edit.Cursor, u'|');
            QCOMPARE(shown, expected);
            // Settled: the shown text goes through unchanged.
            QCOMPARE(FilterAmount(edit.Text, edit.Cursor, sign).Text, edit.Text);
        }
    }
};

QTEST_APPLESS_MAIN(TestMoney)
#include "tst_money.moc"
