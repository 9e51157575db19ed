#include "resources/Strings.h"

#include <QTest>

class TestStrings : public QObject
{
    Q_OBJECT
private slots:
    void trickyTextsAreExact_data();
    void trickyTextsAreExact();
    void rangesAreComplete();
    void numbersAreUnique();
    void unknownNumberGivesEmptyText();
};

void TestStrings::trickyTextsAreExact_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("trailing blank") << 2106 << QStringLiteral("&Afficher l'aperçu ");
    QTest::newRow("leading blank") << 258 << QStringLiteral(" Total des revenus:");
    QTest::newRow("leading blank 2") << 1618 << QStringLiteral(" Utiliser le dossier du dernier fichier ouvert.");
    QTest::newRow("accelerator") << 241 << QStringLiteral("Enregistrer &Sous...");
    QTest::newRow("accent and accelerator") << 524 << QStringLiteral("&Étirer l'image");
    QTest::newRow("filter") << 10050 << QStringLiteral("Tous les fichiers (*.*)|*.*|Fichiers Daybinder (*.cal)|*.cal");
    QTest::newRow("platform word") << 10004 << QStringLiteral("pour Linux");
    QTest::newRow("about line") << 602 << QStringLiteral("Daybinder pour Linux");
    QTest::newRow("empty") << 10046 << QString();
    QTest::newRow("unnamed") << 540 << QStringLiteral("[Sans nom]");
    QTest::newRow("capitals") << 1201 << QStringLiteral("VOUS AVEZ UN ÉVÉNEMENT EN ALERTE!");
    QTest::newRow("apostrophes") << 720
        << QStringLiteral("Étape 1: Ajouter un revenu ou une dépense dans votre liste des 'Dettes/Épargne' en "
                          "utilisant la commande 'Ajouter...' de l'onglet 'Dettes/Épargne'.");
    QTest::newRow("question") << 10048
        << QStringLiteral("Attention: Daybinder a été dessiné pour une résolution de (800x600) ou supérieure. "
                          "Voulez-vous continuer avec le chargement du logiciel?");
}

void TestStrings::trickyTextsAreExact()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QVERIFY(HasStr(number));
    QCOMPARE(Str(number), text);
}

void TestStrings::rangesAreComplete()
{
    const QStringList months = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                                "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
    for (int m = 1; m <= 12; ++m) QCOMPARE(Str(209 + m), months[m - 1]);
    QCOMPARE(Str(407), QStringLiteral("Dimanche"));
    QCOMPARE(Str(401), QStringLiteral("Lundi"));
    QCOMPARE(Str(406), QStringLiteral("Samedi"));
    const QStringList shortDays = {"DI", "LU", "MA", "ME", "JE", "VE", "SA"};
    for (int d = 0; d < 7; ++d) QCOMPARE(Str(10005 + d), shortDays[d]);
}

void TestStrings::numbersAreUnique()
{
    const QList<int> numbers = StrNumbers();
    QVERIFY(numbers.size() > 300);
    for (int i = 1; i < numbers.size(); ++i) QVERIFY2(numbers[i] != numbers[i - 1], qPrintable(QString::number(numbers[i])));
}

void TestStrings::unknownNumberGivesEmptyText()
{
    QTest::ignoreMessage(QtWarningMsg, "string 99999 is not in the table");
    QVERIFY(Str(99999).isEmpty());
    QVERIFY(!HasStr(99999));
}

QTEST_APPLESS_MAIN(TestStrings)
#include "tst_strings.moc"
