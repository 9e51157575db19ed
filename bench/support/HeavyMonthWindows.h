#pragma once
// The heavy document open in a main window, its twelve month windows built and tiled, as the
// window benchmarks start from; and the median of their figures.

#include "HeavyDocument.h"
#include "document/Session.h"
#include "views/MainWindow.h"

#include <QApplication>
#include <QList>
#include <algorithm>

inline double Median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Every month with its picture, stretched or tiled in turn.
inline void OpenHeavyDocument(MainWindow& main)
{
    Session& s = Session::Get();
    for (int m = 1; m <= 12; ++m) main.MonthWindowFor(m);
    main.show();
    s.CurrentDocument = MakeHeavyDocument();
    for (int m = 1; m <= 12; ++m) s.CurrentDocument.Month(m).Background.Mode = 1 + m % 2;
    s.SetMode(MainMode::Edit);
    for (int m = 1; m <= 12; ++m) main.ShowMonth(m);
    main.ArrangeMonthWindows(QStringLiteral("VTile"));
    QApplication::processEvents();
}
