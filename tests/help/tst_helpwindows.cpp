#include "HelpPages.h"
#include "app/MainWindowWiring.h"
#include "dialogkit/BrowseLists.h"
#include "document/Paths.h"
#include "document/Session.h"
#include "help/AboutBox.h"
#include "help/AboutText.h"
#include "help/FolderChooser.h"
#include "help/HelpViewer.h"
#include "platform/SystemDialogs.h"
#include "resources/Strings.h"
#include "support/ScriptedPrompter.h"
#include "support/WhenModal.h"
#include "support/Widgets.h"
#include "views/MainWindow.h"
#include "views/Tabs.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <memory>

namespace {

QUrl Page(const char* name)
{
    return QUrl::fromLocalFile(SourceHtmlFolder() + QLatin1String(name));
}

QAction* ViewerAction(const char* name)
{
    return Find<QAction>(&HelpViewer::Instance(), QLatin1String(name));
}

// A click on a toolbar button of the viewer, through its window as the window system delivers
// it: a window blocked by a modal dialog never receives it.
void ClickViewerButton(const char* name)
{
    HelpViewer& viewer = HelpViewer::Instance();
    QWidget* button = Find<QToolBar>(&viewer, "TbHelp")->widgetForAction(ViewerAction(name));
    QTest::mouseClick(viewer.windowHandle(), Qt::LeftButton, {},
                      button->mapTo(&viewer, button->rect().center()));
}

QString LabelText(QWidget* window, const char* name)
{
    return Find<QLabel>(window, QLatin1String(name))->text();
}

QTreeWidgetItem* FolderItem(QWidget* chooser, const QString& path)
{
    auto* folders = Find<FolderList>(chooser, "Dir1");
    for (QTreeWidgetItem* item : folders->findItems(u"*"_qs, Qt::MatchWildcard | Qt::MatchRecursive))
        if (item->data(0, Qt::UserRole).toString() == path) return item;
    return nullptr;
}

// A click on a folder of the list, as a user picks it.
void ClickFolder(QWidget* chooser, const QString& path)
{
    auto* folders = Find<FolderList>(chooser, "Dir1");
    QTreeWidgetItem* item = FolderItem(chooser, path);
    QVERIFY2(item, qPrintable(path));
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(item).center());
}

} // namespace

// The help viewer, the about box and the folder chooser, used as a user does.
class TestHelpWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("DAYBINDER_CONFIG_HOME", m_config.path().toUtf8()); }
    void cleanup() { HelpViewer::CloseIfOpen(); }

    void viewerGoesBackForwardAndHomeWithThePageTitleInItsCaption()
    {
        HelpViewer& viewer = HelpViewer::Instance();
        viewer.ShowPage(Page("index.htm").toLocalFile());
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QTextBrowser* browser = viewer.Browser();
        QCOMPARE(viewer.windowTitle(), u"Daybinder - Sommaire de l'aide"_qs);
        for (const char* name : {"CmdBack", "CmdForward", "CmdHome"})
            QVERIFY2(!ViewerAction(name)->isEnabled(), name);

        // The first link of the index, reached with the keyboard and followed with Enter.
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        QCOMPARE(browser->source(), Page("t_commands.htm"));
        QCOMPARE(viewer.windowTitle(), u"Daybinder - Onglet Commandes"_qs);

        // A click on a disabled button would leave the page where it is.
        ClickViewerButton("CmdBack");
        QCOMPARE(browser->source(), Page("index.htm"));
        ClickViewerButton("CmdForward");
        QCOMPARE(browser->source(), Page("t_commands.htm"));
        ClickViewerButton("CmdHome");
        QCOMPARE(browser->source(), Page("index.htm"));
        QVERIFY(!ViewerAction("CmdHome")->isEnabled());
        QVERIFY(browser->toPlainText().contains(u"Premiers pas"_qs)); // rendered, not its source
    }

    void viewerOpenedFromAModalDialogCanBeReadWhileTheDialogWaits()
    {
        HelpViewer::Instance().ShowPage(Page("index.htm").toLocalFile());
        QDialog dialog;
        bool clicked = false;
        WhenModal<QDialog>([&](QDialog* d) {
            HelpViewer& viewer = HelpViewer::Instance();
            viewer.ShowPage(Page("d_about.htm").toLocalFile()); // F1 in the dialog
            QVERIFY(QTest::qWaitForWindowExposed(&viewer));
            ClickViewerButton("CmdBack");
            clicked = viewer.Browser()->source() == Page("index.htm");
            d->accept();
        });
        dialog.exec();
        QVERIFY(clicked);
        QVERIFY(HelpViewer::Instance().isVisible()); // it outlives the dialog
    }

    void aboutBoxFromTheCommandsTabShowsTheVersionAndTheProgramDate()
    {
        Session::Get().Reset(); // no document open
        MainWindow main;
        WireMainWindow(main);
        main.SetCurrentTab(TabCommands);
        QString version, date;
        WhenModal<AboutBox>([&](AboutBox* box) {
            version = LabelText(box, "LblInfo0");
            date = LabelText(box, "LblInfo1");
            Press(box, "CmdOk");
        });
        main.Commands()->Button(u"CmdCOAbout"_qs)->click();
        QCOMPARE(version, ProgramVersionLine());
        // This test's own program file stands for the program.
        QVERIFY(date.startsWith(u"Date de compilation: "_qs) && !date.contains(Str(541)));
        Session::Get().SetMode(MainMode::Unload);

        AboutBox missing(nullptr, m_config.filePath(u"absent"_qs));
        QCOMPARE(LabelText(&missing, "LblInfo1"), u"Date de compilation: [Non disponible]"_qs);
    }

    void chooserHandsBackTheFolderPickedWithOneSeparator()
    {
        const QString root = Folders({u"Photos/Été"_qs, u"Factures"_qs});

        FolderChooser chooser(root + u'/');
        auto* shown = Find<QLabel>(&chooser, "LblSelPath");
        QCOMPARE(shown->toolTip(), root);

        chooser.show();
        ClickFolder(&chooser, root + u"/Photos"_qs);
        QCOMPARE(shown->toolTip(), root + u"/Photos"_qs);
        // A double-click opens it: its subfolders show and it stays the chosen one.
        auto* folders = Find<FolderList>(&chooser, "Dir1");
        emit folders->itemActivated(FolderItem(&chooser, root + u"/Photos"_qs), 0);
        QCOMPARE(folders->Path(), root + u"/Photos"_qs);
        ClickFolder(&chooser, root + u"/Photos/Été"_qs);
        Press(&chooser, "CmdOk");
        QCOMPARE(chooser.Chosen(), root + u"/Photos/Été/"_qs);

        WhenModal<FolderChooser>([](FolderChooser* c) { Press(c, "CmdCancel"); });
        QCOMPARE(ChooseFolderWithChooser(nullptr, root), QString());
        WhenModal<FolderChooser>([](FolderChooser* c) { QTest::keyClick(c, Qt::Key_Escape); });
        QCOMPARE(ChooseFolderWithChooser(nullptr, root), QString());
    }

    void folderButtonsPickWithTheChooserOnceTheProgramRuns()
    {
        const QString root = Folders({u"Agendas"_qs});
        Session::Get().Reset();
        MainWindow main;
        InstallSystemDialogs(&main);
        WireMainWindow(main);
        QString startedIn;
        WhenModal<FolderChooser>([&](FolderChooser* c) {
            startedIn = c->CurrentFolder();
            ClickFolder(c, root + u"/Agendas"_qs);
            Press(c, "CmdOk");
        });
        QCOMPARE(ChooseFolder(root), std::optional(root + u"/Agendas/"_qs));
        QCOMPARE(startedIn, root);
        // Cancelled: no answer, so that the options' folder box keeps its text.
        WhenModal<FolderChooser>([](FolderChooser* c) { Press(c, "CmdCancel"); });
        QCOMPARE(ChooseFolder(root), std::nullopt);
        Session::Get().SetMode(MainMode::Unload);
    }

    void chooserStartsInTheProgramFolderWhenTheStartIsGone()
    {
        ScriptedPrompter prompter;
        FolderChooser chooser(m_config.filePath(u"parti/ailleurs"_qs));
        QCOMPARE(chooser.CurrentFolder(), QDir::cleanPath(ProgramFolder()));
        QVERIFY(prompter.Asked.isEmpty());
    }

    void newFolderIsMadeInTheChosenFolderOrRefusedWithItsReason()
    {
        ScriptedPrompter prompter;
        const QString root = Folders({u"Documents/2026"_qs});
        FolderChooser chooser(root);
        chooser.show();
        ClickFolder(&chooser, root + u"/Documents"_qs);

        prompter.Inputs = {u"  Calendriers 2026 "_qs, std::nullopt};
        Press(&chooser, "CmdNew");
        QVERIFY(prompter.InputAsked[0].Text.endsWith(root + u"/Documents/"_qs)); // where it goes
        const QString made = root + u"/Documents/Calendriers 2026"_qs;
        QVERIFY(QFileInfo(made).isDir());
        QVERIFY(FolderItem(&chooser, made)); // the list was read again
        QCOMPARE(chooser.CurrentFolder(), root + u"/Documents"_qs);
        Press(&chooser, "CmdNew"); // the input box cancelled
        QCOMPARE(QDir(root + u"/Documents"_qs).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);

        // Refused: the reason is told, and the chooser stays open where it was.
        auto* folders = Find<FolderList>(&chooser, "Dir1");
        emit folders->itemActivated(FolderItem(&chooser, root + u"/Documents"_qs), 0);
        prompter.Inputs = {u"2026"_qs};
        Press(&chooser, "CmdNew");
        QCOMPARE(prompter.Asked.size(), 1);
        QVERIFY(prompter.Asked[0].Text.contains(u"Numéro de l'erreur :  58"_qs));
        QVERIFY(chooser.isVisible());
        QCOMPARE(folders->Path(), root + u"/Documents"_qs);

        ClickFolder(&chooser, made);
        Press(&chooser, "CmdOk");
        QCOMPARE(chooser.Chosen(), made + u'/');
    }

    void folderRemovedWhileShownIsToldWithRetryAndCancel()
    {
        ScriptedPrompter prompter;
        const QString root = Folders({u"Ancien"_qs});
        FolderChooser chooser(root);
        chooser.show();
        QVERIFY(QDir(root + u"/Ancien"_qs).removeRecursively()); // gone behind the chooser's back
        prompter.Answers = {PromptAnswer::Retry, PromptAnswer::Cancel};
        auto* folders = Find<FolderList>(&chooser, "Dir1");
        emit folders->itemActivated(FolderItem(&chooser, root + u"/Ancien"_qs), 0);
        QCOMPARE(prompter.Asked.size(), 2);
        QCOMPARE(prompter.Asked[0].Buttons, PromptButtons::RetryCancel);
        QVERIFY(prompter.Asked[0].Text.startsWith(Str(1407)));
        QCOMPARE(folders->Path(), root);
    }

private:
    // A fresh folder holding these folders; gone after the test.
    QString Folders(const QStringList& paths)
    {
        m_folders = std::make_unique<QTemporaryDir>();
        const QString root = QDir::cleanPath(m_folders->path());
        for (const QString& path : paths)
            if (!QDir(root).mkpath(path)) qFatal("cannot make %s", qPrintable(path));
        return root;
    }

    std::unique_ptr<QTemporaryDir> m_folders;
    QTemporaryDir m_config;
};

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
