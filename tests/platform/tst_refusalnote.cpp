#include "document/TextInput.h"
#include "platform/RefusalNote.h"
#include "resources/Strings.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

// The note at a box that refused characters, as the program installs it for every text box.
class TestRefusalNote : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InstallRefusalNotice(&ShowRefusalNote); }
    void cleanupTestCase() { InstallRefusalNotice({}); }

    void init()
    {
        m_dialog = std::make_unique<QDialog>();
        auto* layout = new QVBoxLayout(m_dialog.get());
        for (QLineEdit*& box : m_boxes) {
            box = new QLineEdit(m_dialog.get());
            box->setValidator(new CalTextValidator(box));
            layout->addWidget(box);
        }
        layout->addStretch();
        m_dialog->resize(420, 240);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_boxes[0]->setFocus();
    }

    void cleanup() { m_dialog.reset(); }

    void aRefusedCharacterShowsTheNoteUnderTheBox()
    {
        QTest::keyClicks(m_boxes[0], "Cafe ");
        QVERIFY(!VisibleRefusalNote());
        QTest::keyClicks(m_boxes[0], "\"x\"");
        QCOMPARE(m_boxes[0]->text(), u"Cafe x"_qs);
        QLabel* note = VisibleRefusalNote();
        QVERIFY(note);
        QCOMPARE(note->text(), Str(20001));
        QCOMPARE(note->text(), u"Ce caractère ne peut pas être enregistré dans un document Daybinder."_qs);
        const QPoint under = m_boxes[0]->mapToGlobal(QPoint(0, m_boxes[0]->height()));
        const QPoint noteAt = note->mapToGlobal(QPoint(0, 0));
        QVERIFY(noteAt.y() >= under.y());
        // At the box's left edge, or further left as far as it must to stay in the window.
        QVERIFY(noteAt.x() <= under.x());
        QVERIFY(m_dialog->rect().contains(note->geometry()));
        // It may lie over the next box: a click there still reaches that box.
        const QPoint onNote = note->mapToGlobal(note->rect().center());
        QVERIFY(QApplication::widgetAt(onNote) != note);

        // It goes when the box loses the focus, and with its window.
        m_boxes[1]->setFocus();
        QVERIFY(!VisibleRefusalNote());
        QTest::keyClicks(m_boxes[1], "\"");
        QVERIFY(VisibleRefusalNote());
        m_dialog.reset();
        QVERIFY(!VisibleRefusalNote());
    }

    void aPasteKeepsTheAllowedCharactersAndTellsOnce()
    {
        QGuiApplication::clipboard()->setText(u"Réunion \"Ωμέγα\" à 9h\r\nsuite"_qs);
        m_boxes[0]->paste();
        QCOMPARE(m_boxes[0]->text(), u"Réunion  à 9hsuite"_qs);
        QVERIFY(VisibleRefusalNote());
    }

    void theNoteGoesAwayByItself()
    {
        QTest::keyClicks(m_boxes[0], "\"");
        QLabel* note = VisibleRefusalNote();
        QVERIFY(note);
        auto* timer = note->findChild<QTimer*>(u"RefusalNoteTimer"_qs);
        QVERIFY(timer && timer->isActive() && timer->interval() >= 2000);
        timer->setInterval(1); // its time is up
        QTRY_VERIFY(!VisibleRefusalNote());
    }

private:
    std::unique_ptr<QDialog> m_dialog;
    std::array<QLineEdit*, 2> m_boxes{};
};

QTEST_MAIN(TestRefusalNote)
#include "tst_refusalnote.moc"
