#include "document/FrmAskPass.h"
#include "help/Help.h"
#include "platform/MessageBoxPrompter.h"
#include "support/WhenModal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The password prompt as the file reader and the properties dialog use it.
class TestAskPass : public QObject
{
    Q_OBJECT
private slots:
    void okHandsBackTheTrimmedText();
    void cancelOrClosingGivesFalse();
    void confirmationIsTrueOnlyForTheSameText();
    void textsFollowTheKindOfQuestion();
    void boxRefusesWhatTheFileCannotCarry();
    void programPrompterAsksWithThisDialog();
};

namespace {

void Answer(const QString& text, const char* button = "CmdOk")
{
    WhenModal<FrmAskPass>([text, button](FrmAskPass* prompt) {
        prompt->findChild<QLineEdit*>(QStringLiteral("TxtPass"))->insert(text); // as typed or pasted
        QTest::mouseClick(prompt->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    });
}

} // namespace

void TestAskPass::okHandsBackTheTrimmedText()
{
    Answer(QStringLiteral("  mot de passe  "));
    QString typed;
    QVERIFY(AskPasswordDialog(nullptr, QString(), &typed));
    QCOMPARE(typed, QStringLiteral("mot de passe"));

    Answer(QString()); // Ok on an empty box is an empty password, not a cancel
    typed = QStringLiteral("old");
    QVERIFY(AskPasswordDialog(nullptr, QString(), &typed));
    QCOMPARE(typed, QString());
}

void TestAskPass::cancelOrClosingGivesFalse()
{
    Answer(QStringLiteral("secret"), "CmdCancel");
    QString typed = QStringLiteral("untouched");
    QVERIFY(!AskPasswordDialog(nullptr, QString(), &typed));
    QCOMPARE(typed, QStringLiteral("untouched"));

    WhenModal<FrmAskPass>([](FrmAskPass* prompt) { prompt->close(); });
    QVERIFY(!AskPasswordDialog(nullptr, QStringLiteral("secret"), nullptr));

    FrmAskPass prompt{QString()};
    prompt.findChild<QLineEdit*>(QStringLiteral("TxtPass"))->setText(QStringLiteral("secret"));
    prompt.reject();
    QCOMPARE(prompt.Result(), 0);
    QCOMPARE(prompt.Typed(), QString());
}

void TestAskPass::confirmationIsTrueOnlyForTheSameText()
{
    Answer(QStringLiteral(" Secret1 "));
    QVERIFY(AskPasswordDialog(nullptr, QStringLiteral("Secret1"), nullptr));
    Answer(QStringLiteral("secret1"));
    QVERIFY(!AskPasswordDialog(nullptr, QStringLiteral("Secret1"), nullptr));
    Answer(QString());
    QVERIFY(!AskPasswordDialog(nullptr, QStringLiteral("Secret1"), nullptr));
}

void TestAskPass::textsFollowTheKindOfQuestion()
{
    FrmAskPass reading{QString()};
    QCOMPARE(reading.windowTitle(), QStringLiteral("Daybinder - Mot de passe"));
    QCOMPARE(reading.findChild<QLabel*>(QStringLiteral("LblPass0"))->text(),
             QStringLiteral("Ce document est protégé par un mot de passe."));
    QCOMPARE(reading.findChild<QLabel*>(QStringLiteral("LblPass1"))->text(),
             QStringLiteral("Mot de passe pour la lecture:"));
    QCOMPARE(reading.findChild<QLineEdit*>(QStringLiteral("TxtPass"))->echoMode(), QLineEdit::Password);
    QVERIFY(!reading.findChild<QLabel*>(QStringLiteral("ImgPass"))->pixmap().isNull());

    FrmAskPass confirming(QStringLiteral("abc"));
    QCOMPARE(confirming.findChild<QLabel*>(QStringLiteral("LblPass1"))->text(),
             QStringLiteral("Veuillez confirmer le mot de passe pour la lecture:"));

    confirming.show();
    QVERIFY(QTest::qWaitForWindowActive(&confirming));
    QTest::keyClick(&confirming, Qt::Key_F1);
    QCOMPARE(LastHelpTopic(), QStringLiteral("Html\\d_askpass.htm"));
}

void TestAskPass::boxRefusesWhatTheFileCannotCarry()
{
    FrmAskPass prompt{QString()};
    auto* box = prompt.findChild<QLineEdit*>(QStringLiteral("TxtPass"));
    QTest::keyClicks(box, QStringLiteral("ab\"c"));
    box->insert(QStringLiteral("\r\nété\"2024")); // pasted
    QCOMPARE(box->text(), QStringLiteral("abcété2024"));
}

void TestAskPass::programPrompterAsksWithThisDialog()
{
    MessageBoxPrompter prompter;
    Answer(QStringLiteral("clé"));
    QString typed;
    QVERIFY(prompter.AskPassword(QString(), &typed));
    QCOMPARE(typed, QStringLiteral("clé"));
}

QTEST_MAIN(TestAskPass)
#include "tst_askpass.moc"
