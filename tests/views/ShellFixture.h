#pragma once
// A main window for the window tests, without the rest of the program wired to it, and a new
// document open in it as the command New leaves it.

#include "document/Session.h"
#include "entries/EntryFixtures.h"
#include "views/MainWindow.h"
#include "views/MonthWindow.h"
#include "views/NavigationPanel.h"

#include <QTemporaryDir>
#include <memory>

struct ShellFixture
{
    QTemporaryDir config;
    std::unique_ptr<MainWindow> main;

    ShellFixture()
    {
        qputenv("DAYBINDER_CONFIG_HOME", config.path().toUtf8());
        Session::Get().Reset();
        main = std::make_unique<MainWindow>();
        for (int m = 1; m <= 12; ++m) main->MonthWindowFor(m);
        Session::Get().SetModified(PartAll, false);
    }

    ~ShellFixture()
    {
        // Close without the shutdown sequence: the windows go with the fixture.
        Session::Get().SetMode(MainMode::Unload);
        main.reset();
        Session::Get().Reset();
    }

    void NewDocument(int year)
    {
        NewTestDocument(year);
        main->BuildMonthWindows();
    }

    // Cell of a day of a month of the open document, computed here rather than by the program.
    static int CellOf(int day, int month)
    {
        const int year = Session::Get().CurrentDocument.YearNumber();
        return day + WeekdayOf(MakeDate(1, month, year), true) + 5;
    }
};
