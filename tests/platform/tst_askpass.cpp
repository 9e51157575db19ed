#include "platform/HelpTopic.h"
#include "platform/MessageBoxPrompter.h"
#include "platform/PasswordDialog.h"
#include "support/WhenModal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Types or pastes the text, then clicks the button (none: closes the window).
void Answer(const QString& text, const QString& button = u"CmdOk"_qs)
{
    WhenModal<PasswordDialog>([text, button](PasswordDialog* prompt) {
        prompt->findChild<QLineEdit*>(u"TxtPass"_qs)->insert(text);
        if (button.isEmpty())
            prompt->close();
        else
            QTest::mouseClick(prompt->findChild<QPushButton*>(button), Qt::LeftButton);
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
        QTest::addColumn<QString>("button"); // none: the window is closed
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("typed");
        const QString none = u"untouched"_qs, ok = u"CmdOk"_qs;
        QTest::newRow("trimmed") << QString() << u"  mot de passe  "_qs << ok << true << u"mot de passe"_qs;
        QTest::newRow("empty is no cancel") << QString() << QString() << ok << true << QString();
        QTest::newRow("cancel") << QString() << u"secret"_qs << u"CmdCancel"_qs << false << none;
        QTest::newRow("closed") << u"secret"_qs << u"secret"_qs << QString() << false << none;
        QTest::newRow("confirmed") << u"Secret1"_qs << u" Secret1 "_qs << ok << true << none;
        QTest::newRow("case differs") << u"Secret1"_qs << u"secret1"_qs << ok << false << none;
        QTest::newRow("empty confirmation") << u"Secret1"_qs << QString() << ok << false << none;
    }

    void answersFollowTheButtonAndTheQuestion()
    {
        QFETCH(QString, expected);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(bool, result);
        QFETCH(QString, typed);
        Answer(text, button);
        QString got = u"untouched"_qs;
        QCOMPARE(AskPasswordDialog(nullptr, expected, &got), result);
        QCOMPARE(got, typed);
    }

    void boxRefusesWhatTheFileCannotCarryAndRejectHandsBackNothing()
    {
        PasswordDialog prompt{QString()};
        prompt.findChild<QLineEdit*>(u"TxtPass"_qs)->setText(u"secret"_qs);
        prompt.reject();
        QCOMPARE(prompt.Result(), 0);
        QCOMPARE(prompt.Typed(), QString());

        PasswordDialog again{QString()};
        auto* box = again.findChild<QLineEdit*>(u"TxtPass"_qs);
        QTest::keyClicks(box, u"ab\"c"_qs);
        box->insert(u"\r\nété\"2024"_qs); // pasted
        QCOMPARE(box->text(), u"abcété2024"_qs);
    }

    void textsFollowTheKindOfQuestion()
    {
        PasswordDialog reading{QString()};
        QCOMPARE(reading.findChild<QLabel*>(u"LblPass1"_qs)->text(), u"Mot de passe pour la lecture:"_qs);
        QCOMPARE(reading.findChild<QLineEdit*>(u"TxtPass"_qs)->echoMode(), QLineEdit::Password);
        QVERIFY(!reading.findChild<QLabel*>(u"ImgPass"_qs)->pixmap().isNull());

        PasswordDialog confirming(u"abc"_qs);
        QCOMPARE(confirming.findChild<QLabel*>(u"LblPass1"_qs)->text(),
                 u"Veuillez confirmer le mot de passe pour la lecture:"_qs);
        confirming.show();
        QVERIFY(QTest::qWaitForWindowActive(&confirming));
        QTest::keyClick(&confirming, Qt::Key_F1);
        QCOMPARE(LastHelpTopic(), u"Html\\d_askpass.htm"_qs);
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
