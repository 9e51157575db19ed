#include "document/FrmAskPass.h"
#include "help/Help.h"
#include "platform/MessageBoxPrompter.h"
#include "support/WhenModal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

void Answer(const QString& text, const char* button = "CmdOk")
{
    WhenModal<FrmAskPass>([text, button](FrmAskPass* prompt) {
        prompt->findChild<QLineEdit*>(u"TxtPass"_qs)->insert(text); // as typed or pasted
        QTest::mouseClick(prompt->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    });
}

} // namespace

// The password prompt as the file reader and the properties dialog use it.
class TestAskPass : public QObject
{
    Q_OBJECT
private slots:
    void answersFollowTheButtonAndTheQuestion_data()
    {
        QTest::addColumn<QString>("expected"); // empty: asked for reading, else to confirm it
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok"); // Ok, or Cancel
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("typed");
        const QString none = u"untouched"_qs;
        QTest::newRow("trimmed") << QString() << u"  mot de passe  "_qs << true << true << u"mot de passe"_qs;
        QTest::newRow("empty is no cancel") << QString() << QString() << true << true << QString();
        QTest::newRow("cancel") << QString() << u"secret"_qs << false << false << none;
        QTest::newRow("confirmed") << u"Secret1"_qs << u" Secret1 "_qs << true << true << none;
        QTest::newRow("case differs") << u"Secret1"_qs << u"secret1"_qs << true << false << none;
        QTest::newRow("empty confirmation") << u"Secret1"_qs << QString() << true << false << none;
    }

    void answersFollowTheButtonAndTheQuestion()
    {
        QFETCH(QString, expected);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(bool, result);
        QFETCH(QString, typed);
        Answer(text, ok ? "CmdOk" : "CmdCancel");
        QString got = u"untouched"_qs;
        QCOMPARE(AskPasswordDialog(nullptr, expected, &got), result);
        QCOMPARE(got, typed);
    }

    void closingTheWindowIsACancel()
    {
        WhenModal<FrmAskPass>([](FrmAskPass* prompt) { prompt->close(); });
        QVERIFY(!AskPasswordDialog(nullptr, u"secret"_qs, nullptr));
        FrmAskPass prompt{QString()};
        prompt.findChild<QLineEdit*>(u"TxtPass"_qs)->setText(u"secret"_qs);
        prompt.reject();
        QCOMPARE(prompt.Result(), 0);
        QCOMPARE(prompt.Typed(), QString());
    }

    void textsFollowTheKindOfQuestion()
    {
        FrmAskPass reading{QString()};
        QCOMPARE(reading.findChild<QLabel*>(u"LblPass1"_qs)->text(), u"Mot de passe pour la lecture:"_qs);
        QCOMPARE(reading.findChild<QLineEdit*>(u"TxtPass"_qs)->echoMode(), QLineEdit::Password);
        QVERIFY(!reading.findChild<QLabel*>(u"ImgPass"_qs)->pixmap().isNull());

        FrmAskPass confirming(u"abc"_qs);
        QCOMPARE(confirming.findChild<QLabel*>(u"LblPass1"_qs)->text(),
                 u"Veuillez confirmer le mot de passe pour la lecture:"_qs);
        confirming.show();
        QVERIFY(QTest::qWaitForWindowActive(&confirming));
        QTest::keyClick(&confirming, Qt::Key_F1);
        QCOMPARE(LastHelpTopic(), u"Html\\d_askpass.htm"_qs);
    }

    void boxRefusesWhatTheFileCannotCarry()
    {
        FrmAskPass prompt{QString()};
        auto* box = prompt.findChild<QLineEdit*>(u"TxtPass"_qs);
        QTest::keyClicks(box, u"ab\"c"_qs);
        box->insert(u"\r\nété\"2024"_qs); // pasted
        QCOMPARE(box->text(), u"abcété2024"_qs);
    }

    void programPrompterAsksWithThisDialog()
    {
        MessageBoxPrompter prompter;
        Answer(u"clé"_qs);
        QString typed;
        QVERIFY(prompter.AskPassword(QString(), &typed));
        QCOMPARE(typed, u"clé"_qs);
    }
};

QTEST_MAIN(TestAskPass)
#include "tst_askpass.moc"
