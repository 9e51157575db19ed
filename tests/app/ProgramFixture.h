#pragma once
// The real program for the road tests: its own start-up (splash, main window, twelve month
// windows, wiring, command-line file), a clock standing on 14 March 2026, scripted prompts and
// file dialogs, and the hands of a user: clicks on days, right clicks on entry lines, buttons,
// modal dialogs answered as they open, saving and opening again, picture files to choose. The
// open document's days and entries are reached through EntryFixtures.h, as in the entry tests.

#include "app/Program.h"
#include "commands/SavePartsDialog.h"
#include "dialogkit/PictureChoice.h"
#include "entries/EntryFixtures.h"
#include "pictures/PictureEditor.h"
#include "platform/Clock.h"
#include "properties/PropertiesDialog.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"
#include "support/WhenModal.h"
#include "support/Widgets.h"
#include "views/MainToolbar.h"
#include "views/MainWindow.h"
#include "views/MonthWindow.h"
#include "views/NavigationPanel.h"
#include "views/Tabs.h"

#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

struct ProgramFixture
{
    QTemporaryDir dir;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(9, 0))};
    ScriptedPrompter prompter;
    std::unique_ptr<Program> program;
    std::unique_ptr<ScriptedDialogs> dialogs;
    QString example; // the file StartOnExample() opened

    ProgramFixture()
    {
        qputenv("DAYBINDER_CONFIG_HOME", dir.filePath(u"config"_qs).toUtf8());
        qputenv("XDG_STATE_HOME", dir.filePath(u"state"_qs).toUtf8()); // the recovery copies
        Session::Get().Reset();
        Clock::Install(&clock);
        NavigationPanel::SlideMs = 0;
        MonthWindow::MenusBlock = false;
    }

    ~ProgramFixture()
    {
        Quit();
        SetPictureChooser({});
        Clock::Install(nullptr);
        Session::Get().Reset();
    }

    // Starts the program as "daybinder [path]"; the file dialogs are scripted from then on.
    bool Start(const QString& path = {})
    {
        program = std::make_unique<Program>();
        QStringList args{u"daybinder"_qs};
        if (!path.isEmpty()) args.append(path);
        const bool started = program->Start(args);
        dialogs = std::make_unique<ScriptedDialogs>(); // after the system dialogs
        return started;
    }

    // Ends the program without questions (the document is dropped), as after a test.
    void Quit()
    {
        if (!program) return;
        Session::Get().SetMode(MainMode::Unload);
        dialogs.reset();
        program.reset();
        Session::Get().Reset();
    }

    MainWindow* Main() const { return program->Window(); }
    EventsTab* Events() const { return Main()->Events(); }
    DebtsTab* Debts() const { return Main()->Debts(); }

    // The example year of daybinder-cli, for 2026.
    QString Example(const QString& name = u"exemple.cal"_qs) const
    {
        const QString path = dir.filePath(name);
        QProcess cli;
        cli.start(QStringLiteral(DAYBINDER_CLI), {u"demo"_qs, path, u"--year"_qs, u"2026"_qs});
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0) qFatal("daybinder-cli demo failed");
        return path;
    }

    bool StartOnExample()
    {
        example = Example();
        return Start(example) && Session::Get().Mode() == MainMode::Edit;
    }

    // Quit, then start again on the file, as a user opening it another day.
    bool Reopen(const QString& path)
    {
        Quit();
        return Start(path);
    }

    // The toolbar's Save, Yes in the save-parts dialog; path answers the file dialog if it opens.
    void Save(const QString& path = {}) const
    {
        if (!path.isEmpty()) dialogs->Files = {path};
        WhenModal<SavePartsDialog>([](SavePartsDialog* d) { Press(d, u"CmdYes"_qs); });
        ToolbarClick("Save");
    }

    // A picture file of one colour, its top-left pixel in another when given (to tell tiles
    // apart); the picture chooser offers it from now on.
    QString PictureFile(const QString& name, QSize size, QColor colour, QColor corner = {}) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        if (corner.isValid()) image.setPixelColor(0, 0, corner);
        const QString path = dir.filePath(name);
        if (!image.save(path)) qFatal("cannot write %s", qPrintable(path));
        SetPictureChooser([path](const QString&) { return PictureChoice{1, path}; });
        return path;
    }

    // The picture editor's brightness slider moved with the keyboard, then its "Appliquer".
    static void Brighten(PictureEditor* editor, int amount)
    {
        auto* slider = Find<QSlider>(editor, u"SldBright"_qs);
        slider->setFocus();
        for (int i = 0; i < std::abs(amount); ++i)
            QTest::keyClick(slider, amount > 0 ? Qt::Key_Right : Qt::Key_Left);
        Press(editor, u"CmdBrightApply"_qs);
    }

    MonthGrid* Grid(int month) const { return Main()->ExistingMonthWindow(month)->Grid(); }

    // A left click on the day's cell, as a user picks a day.
    void ClickDay(int day, int month) const
    {
        Main()->ShowMonth(month);
        MonthGrid* grid = Grid(month);
        const QRect box = grid->ToPixels(MonthLayout::DayLabel(CellOf(day, month)));
        QTest::mouseClick(grid, Qt::LeftButton, {}, box.center() + QPoint(0, box.height() / 4));
    }

    // A right click on a line of the day's cell: its menu opens (line -1: a line with no entry).
    QMenu* OpenCellMenu(int day, int month, int line) const
    {
        Main()->ShowMonth(month);
        MonthGrid* grid = Grid(month);
        const QRect label = grid->ToPixels(MonthLayout::LineLabel(CellOf(day, month), line < 0 ? 6 : line));
        QTest::mouseClick(grid, Qt::RightButton, {}, label.center());
        return Main()->ExistingMonthWindow(month)->Menu();
    }

    // The same, then a command of the menu.
    void CellMenu(int day, int month, int line, int item) const
    {
        QMenu* menu = OpenCellMenu(day, month, line);
        QVERIFY(menu->isVisible());
        QAction* action = Main()->ExistingMonthWindow(month)->MenuAction(item);
        QVERIFY2(action->isEnabled(), "menu item disabled");
        action->trigger();
        menu->hide();
    }

    // A click on the toolbar button of a key ("New", "Save", "m03"...).
    void ToolbarClick(const char* key) const
    {
        QAction* action = Main()->Toolbar()->Action(QLatin1String(key));
        QWidget* button = Main()->Toolbar()->widgetForAction(action);
        QVERIFY2(button && button->isEnabled(), key);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // The command New, its properties dialog confirmed unchanged as it opens.
    void NewDocument() const
    {
        WhenModal<PropertiesDialog>(
            [](PropertiesDialog* d) { d->findChild<QPushButton*>(u"CmdOk"_qs)->click(); });
        ToolbarClick("New");
    }

    // Another year chosen in the properties dialog, and the question it asks answered "Oui".
    void AnotherYear(const QString& year)
    {
        prompter.Answers = {PromptAnswer::Yes};
        WhenModal<PropertiesDialog>([year](PropertiesDialog* d) {
            auto* years = Find<QListWidget>(d, u"LstYear"_qs);
            const QRect r = years->visualItemRect(years->findItems(year, Qt::MatchExactly).first());
            QTest::mouseClick(years->viewport(), Qt::LeftButton, {}, r.center());
            Press(d, u"CmdOk"_qs);
        });
        ToolbarClick("Prop");
    }

    // A node of the properties dialog's tree, clicked.
    static void Select(PropertiesDialog* d, QTreeWidgetItem* item)
    {
        d->Tree()->scrollToItem(item);
        QTest::mouseClick(d->Tree()->viewport(), Qt::LeftButton, {},
                          d->Tree()->visualItemRect(item).center());
    }

    static void Click(ListTab* tab, const char* button)
    {
        QPushButton* b = tab->Button(QLatin1String(button));
        QVERIFY2(b && b->isEnabled(), button);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // The events list as a user reads it.
    QStringList EventsLines() const
    {
        QStringList lines;
        for (int i = 0; i < Events()->List()->count(); ++i) lines.append(Events()->List()->item(i)->text());
        return lines;
    }

    // Press, release, double-click, release: what a window system delivers.
    static void DoubleClick(QWidget* widget, QPoint at)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    }

    static QPoint CheckBoxOf(QListWidget* list, int line)
    {
        const QRect r = list->visualItemRect(list->item(line));
        return QPoint(r.left() + r.height() / 2 + 2, r.center().y());
    }
};
