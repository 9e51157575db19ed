#pragma once
// The sample of the properties dialog: the top-left corner of a month grid (four weekday
// headings, two weeks of days with sample lines, the chosen cell and the current day) drawn with
// a node's settings, by the month grid itself.

#include "document/CalendarDocument.h"

#include <QWidget>

class MonthGrid;

class PropertiesPreview : public QWidget
{
    Q_OBJECT
public:
    explicit PropertiesPreview(QWidget* parent = nullptr);

    void ShowSample(const BackgroundSettings& background, const ColourSettings& colours);

    MonthGrid* Grid() const { return m_grid; }
    // The cells of the sample: the chosen one and the current day.
    static constexpr int kChosenCell = 9;
    static constexpr int kTodayCell = 15;

    QSize sizeHint() const override;

private:
    MonthGrid* m_grid;
};
