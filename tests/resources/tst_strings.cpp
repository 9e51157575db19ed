#include "resources/Strings.h"

#include <QTest>

class TestStrings : public QObject
{
    Q_OBJECT
private slots:
    void trickyTextsAreExact_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing blank") << 2106 << u"&Afficher l'aperçu "_qs;
        QTest::newRow("leading blank") << 258 << u" Total des revenus:"_qs;
        QTest::newRow("accelerator") << 241 << u"Enregistrer &Sous..."_qs;
        QTest::newRow("accent and accelerator") << 524 << u"&Étirer l'image"_qs;
        QTest::newRow("filter") << 10050
                                << u"Tous les fichiers (*.*)|*.*|Fichiers Daybinder (*.cal)|*.cal"_qs;
        QTest::newRow("platform word") << 602 << u"Daybinder pour Linux"_qs;
        QTest::newRow("empty") << 10046 << QString();
        QTest::newRow("capitals") << 1201 << u"VOUS AVEZ UN ÉVÉNEMENT EN ALERTE!"_qs;
        QTest::newRow("question")
            << 10048
            << u"Attention: Daybinder a été dessiné pour une résolution de (800x600) ou "
               "supérieure. Voulez-vous continuer avec le chargement du logiciel?"_qs;
    }

    void trickyTextsAreExact()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QVERIFY(HasStr(number));
        QCOMPARE(Str(number), text);
    }

    void rangesAreComplete()
    {
        const QStringList months = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                                    "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
        for (int m = 1; m <= 12; ++m) QCOMPARE(Str(209 + m), months[m - 1]);
        const QStringList days = {"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"};
        for (int d = 0; d < 7; ++d) QCOMPARE(Str(401 + d), days[d]);
        const QStringList shortDays = {"DI", "LU", "MA", "ME", "JE", "VE", "SA"};
        for (int d = 0; d < 7; ++d) QCOMPARE(Str(10005 + d), shortDays[d]);
    }

    void numbersAreUniqueAndAnUnknownOneGivesNoText()
    {
        const QList<int> numbers = StrNumbers();
        QVERIFY(numbers.size() > 300);
        for (int i = 1; i < numbers.size(); ++i)
            QVERIFY2(numbers[i] != numbers[i - 1], qPrintable(QString::number(numbers[i])));

        QTest::ignoreMessage(QtWarningMsg, "string 99999 is not in the table");
        QVERIFY(Str(99999).isEmpty());
        QVERIFY(!HasStr(99999));
    }
};

QTEST_APPLESS_MAIN(TestStrings)
#include "tst_strings.moc"
