#include "platform/CommonDialogs.h"
#include "platform/Language.h"
#include "platform/MessageBoxPrompter.h"
#include "platform/SystemDialogs.h"
#include "support/WhenModal.h"

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <array>

namespace {

const QString kCalFilter = u"Tous les fichiers (*.*)|*.*|Fichiers Daybinder (*.cal)|*.cal"_qs;

FileDialogRequest SaveRequest(const QString& folder)
{
    FileDialogRequest r;
    r.Filter = kCalFilter;
    r.FilterIndex = 2;
    r.DefaultExtension = u"cal"_qs;
    r.InitialFolder = folder;
    r.OverwritePrompt = true;
    return r;
}

void TypeName(QFileDialog* dialog, const QString& name)
{
    auto* box = dialog->findChild<QLineEdit*>(u"fileNameEdit"_qs);
    QVERIFY(box);
    box->setText(name);
}

} // namespace

// The system dialogs behind the common dialogs seam: what the callers pass (string-table
// filters, default extension, preselected filter, overwrite question) and what they get back.
class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void filtersComeFromTheTableAndTheExtensionOnlyOnANameWithoutOne()
    {
        QCOMPARE(FileDialogFilters(kCalFilter),
                 QStringList({"Tous les fichiers (*)", "Fichiers Daybinder (*.cal)"}));
        // Several patterns, a description without its own patterns, a stray "|" at the end.
        QCOMPARE(FileDialogFilters(u"Images|*.jpg;*.jpeg; *.gif|"_qs),
                 QStringList({"Images (*.jpg *.jpeg *.gif)"}));
        QCOMPARE(FileDialogFilters(u"Fichiers &JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg"_qs),
                 QStringList({"Fichiers &JPEG (*.jpg *.jpeg)"}));
        QVERIFY(FileDialogFilters(QString()).isEmpty());

        const QList<std::array<const char*, 3>> cases = {
            {"/home/marie/budget", "cal", "/home/marie/budget.cal"},
            {"/home/marie/budget", ".bmp", "/home/marie/budget.bmp"},
            {"/home/m.dupont/budget", "cal", "/home/m.dupont/budget.cal"}, // a dot in a folder's name
            {"/home/marie/budget.cal", "cal", "/home/marie/budget.cal"},
            {"/home/marie/budget.2024", "cal", "/home/marie/budget.2024"},
            {"/home/marie/budget", "", "/home/marie/budget"}};
        for (const auto& [name, extension, expected] : cases)
            QCOMPARE(WithDefaultExtension(QString(name), QString(extension)), QString(expected));
    }

    void saveAddsTheExtensionInTheInitialFolderWithTheSecondFilter()
    {
        QString shownFolder, shownFilter;
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            shownFolder = dialog->directory().absolutePath();
            shownFilter = dialog->selectedNameFilter();
            TypeName(dialog, u"annee"_qs);
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<QString> chosen = m_dialogs.SaveFile(SaveRequest(m_dir.path()));
        QCOMPARE(shownFolder, m_dir.path());
        QCOMPARE(shownFilter, u"Fichiers Daybinder (*.cal)"_qs);
        QVERIFY(chosen);
        QCOMPARE(*chosen, m_dir.path() + u"/annee.cal"_qs);
    }

    void saveAsProposesTheCurrentFileAndCancelGivesNothing()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(u"2024"_qs));
        const QString current = m_dir.filePath(u"2024/budget.cal"_qs);
        QString shownFolder, shownName;
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            shownFolder = dialog->directory().absolutePath();
            shownName = dialog->findChild<QLineEdit*>(u"fileNameEdit"_qs)->text();
            static_cast<QDialog*>(dialog)->accept();
        });
        FileDialogRequest request = SaveRequest(m_dir.path()); // the save folder is elsewhere
        request.FileName = current;
        QCOMPARE(m_dialogs.SaveFile(request).value_or(QString()), current);
        QCOMPARE(shownFolder, m_dir.filePath(u"2024"_qs));
        QCOMPARE(shownName, u"budget.cal"_qs);

        WhenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); }); // Cancel is told apart
        QVERIFY(!m_dialogs.OpenFile(request));
    }

    void overwriteIsAskedAboutTheNameThatWillBeWritten()
    {
        QFile existing(m_dir.filePath(u"plan.cal"_qs));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();

        int asked = 0;
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            TypeName(dialog, u"plan"_qs);
            WhenModal<QMessageBox>([&](QMessageBox* question) {
                ++asked;
                question->button(QMessageBox::No)->click();
            });
            static_cast<QDialog*>(dialog)->accept(); // answered No: the dialog stays open
            QVERIFY(dialog->isVisible());
            WhenModal<QMessageBox>([&](QMessageBox* question) {
                ++asked;
                question->button(QMessageBox::Yes)->click();
            });
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<QString> chosen = m_dialogs.SaveFile(SaveRequest(m_dir.path()));
        QCOMPARE(asked, 2);
        QCOMPARE(chosen.value_or(QString()), existing.fileName());
    }

    // A question with buttons of its own words ("Restaurer", "Supprimer", "Plus tard"): each
    // says what it does, and Escape gives the last, careful one, never the one that deletes.
    void renamedButtonsAnswerAsTheyAreNamed()
    {
        MessageBoxPrompter prompter;
        PromptRequest r;
        r.Title = u"Daybinder"_qs;
        r.Buttons = PromptButtons::YesNoCancel;
        r.ButtonTexts = {u"Restaurer"_qs, u"Supprimer"_qs, u"Plus tard"_qs};
        QStringList shown;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons()) shown.append(b->text());
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(prompter.Ask(r), PromptAnswer::Cancel);
        shown.sort();
        QCOMPARE(shown, (QStringList{u"Plus tard"_qs, u"Restaurer"_qs, u"Supprimer"_qs}));
        WhenModal<QMessageBox>([](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == u"Supprimer"_qs) b->click();
        });
        QCOMPARE(prompter.Ask(r), PromptAnswer::No);
    }

    void theFileListDatesAreFrench()
    {
        SpeakFrench();
        const QString path = m_dir.filePath(u"mars.cal"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QDateTime written(QDate(2026, 3, 14), QTime(9, 30));
        QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
        file.close();
        QString shown;
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            auto* list = dialog->findChild<QTreeView*>(u"treeView"_qs);
            QTRY_VERIFY(list->model()->rowCount(list->rootIndex()) > 0);
            for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                if (list->model()->index(row, 0, list->rootIndex()).data().toString() == u"mars.cal")
                    shown = list->model()->index(row, 3, list->rootIndex()).data().toString();
            dialog->reject();
        });
        FileDialogRequest request = SaveRequest(m_dir.path());
        request.FilterIndex = 1;
        QVERIFY(!m_dialogs.OpenFile(request));
        QCOMPARE(shown, QLocale(QLocale::French, QLocale::France).toString(written, QLocale::ShortFormat));
        QCOMPARE(shown, u"14/03/2026 09:30"_qs);
    }

    void colourComesBackInStoredOrder()
    {
        QColor shown;
        WhenModal<QColorDialog>([&](QColorDialog* dialog) {
            shown = dialog->currentColor();
            dialog->setCurrentColor(QColor(0, 0, 255));
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<qint32> chosen = m_dialogs.ChooseColour(0x000000FF); // red, red in the low byte
        QCOMPARE(shown, QColor(255, 0, 0));
        QCOMPARE(chosen.value_or(-1), 0x00FF0000); // blue
    }

private:
    QTemporaryDir m_dir;
    SystemDialogs m_dialogs;
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
