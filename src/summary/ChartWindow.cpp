#include "summary/ChartWindow.h"

#include "document/Money.h"
#include "document/Session.h"
#include "platform/HelpTopic.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

const QString kHelpPage = QStringLiteral("Html\\d_suchart.htm");

// The series' colour behind its check box, with a caption that stays readable on it.
QWidget* PaintedBehind(QCheckBox* box, const QColor& colour, QWidget* parent)
{
    auto* behind = new QWidget(parent);
    behind->setObjectName(box->objectName() + QStringLiteral("Colour"));
    behind->setAttribute(Qt::WA_StyledBackground);
    behind->setStyleSheet(
        QStringLiteral("#%1 { background-color: %2; }").arg(behind->objectName(), colour.name()));
    QPalette p = box->palette();
    p.setColor(QPalette::WindowText, qGray(colour.rgb()) > 100 ? Qt::black : Qt::white);
    box->setPalette(p);
    box->setParent(behind);
    auto* layout = new QHBoxLayout(behind);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(box);
    return behind;
}

// A value axis from the lowest to the highest bar, zero always in sight.
QValueAxis* AmountAxis(const ChartTable& table)
{
    qint32 low = 0, high = 0;
    for (const ChartTable::Column& c : table.Columns)
        for (qint32 v : c.Values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    auto* axis = new QValueAxis;
    axis->setRange(low, high == low ? low + 100 : high);
    axis->applyNiceNumbers();
    // 64-bit: a nice range round totals held at the 32-bit limits goes past them.
    axis->setLabelFormat(QStringLiteral("%lld$"));
    return axis;
}

} // namespace

ChartWindow::ChartWindow(const CalendarDocument& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_busy(std::make_unique<BusyCursor>()), m_loading(new QFrame(this)),
      m_progress(new QProgressBar(m_loading)), m_view(new QChartView(this)), m_chart(new QChart),
      m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("FrmSUChart"));
    setWindowTitle(DialogCaption(1101));

    m_loading->setObjectName(QStringLiteral("PicLoadData"));
    auto* loading = new QVBoxLayout(m_loading);
    loading->addStretch();
    auto* wait = new QLabel(Str(1102), m_loading);
    wait->setAlignment(Qt::AlignCenter);
    loading->addWidget(wait);
    m_progress->setObjectName(QStringLiteral("PBarLoad"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    loading->addWidget(m_progress);
    loading->addStretch();
    loading->setContentsMargins(80, 0, 80, 0);

    m_view->setObjectName(QStringLiteral("ChartSU"));
    m_chart->setTitle(QString::number(doc.YearNumber()));
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_view->setChart(m_chart);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->hide();

    m_show = new QCheckBox(Str(1105), this);
    m_show->setObjectName(QStringLiteral("ChkShow"));
    auto* help = new QPushButton(Str(223), this);
    help->setObjectName(QStringLiteral("CmdHelp"));
    connect(help, &QPushButton::clicked, this, [] { ShowHelpTopic(kHelpPage); });
    auto* ok = new QPushButton(Str(502), this);
    ok->setObjectName(QStringLiteral("CmdOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_show);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_loading, 1);
    layout->addWidget(m_view, 1);
    layout->addWidget(BuildSelection());
    layout->addLayout(buttons);

    const ChartChoices choices = ReadChartChoices();
    for (int s = 0; s < kChartSeries; ++s) m_series[size_t(s)]->setChecked(choices.Series[size_t(s)]);
    for (int m = 1; m <= 12; ++m) MonthBox(m)->setChecked(choices.Months[size_t(m - 1)]);
    m_show->setChecked(choices.ShowSelection);
    m_selection->setVisible(choices.ShowSelection);

    // Wired after the boxes took their stored values, so that nothing is drawn twice.
    for (QCheckBox* box : m_series) connect(box, &QCheckBox::toggled, this, &ChartWindow::DrawChart);
    for (int m = 1; m <= 12; ++m)
        connect(MonthBox(m), &QCheckBox::toggled, this, [this, m](bool on) { OnMonthToggled(m, on); });
    connect(m_show, &QCheckBox::toggled, m_selection, &QWidget::setVisible);

    m_timer->setObjectName(QStringLiteral("TmrGetData"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(GatherDelayMs);
    connect(m_timer, &QTimer::timeout, this, &ChartWindow::GatherTotals);
    m_timer->start();
    resize(1120, 700);
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::Open(QWidget* parent)
{
    ChartWindow window(Session::Get().CurrentDocument, parent);
    window.exec();
}

QWidget* ChartWindow::BuildSelection()
{
    m_selection = new QWidget(this);
    m_selection->setObjectName(QStringLiteral("PicChartSel"));
    auto* row = new QHBoxLayout(m_selection);
    row->setContentsMargins(0, 0, 0, 0);

    auto* seriesBox = new QGroupBox(Str(1103), m_selection);
    auto* series = new QVBoxLayout(seriesBox);
    for (int s = 0; s < kChartSeries; ++s) {
        auto* box = new QCheckBox(s == 2 ? Str(1106) : SeriesName(s), seriesBox);
        box->setObjectName(QStringLiteral("ChkSeries%1").arg(s));
        m_series[size_t(s)] = box;
        series->addWidget(PaintedBehind(box, SeriesColour(s), seriesBox));
    }
    row->addWidget(seriesBox);

    auto* monthsBox = new QGroupBox(Str(1104), m_selection);
    auto* months = new QGridLayout(monthsBox);
    for (int m = 1; m <= 12; ++m) {
        auto* box = new QCheckBox(Str(209 + m), monthsBox);
        box->setObjectName(QStringLiteral("ChkMonth%1").arg(m - 1));
        m_months[size_t(m - 1)] = box;
        months->addWidget(box, (m - 1) / 6, (m - 1) % 6);
    }
    row->addWidget(monthsBox, 1);
    return m_selection;
}

ChartChoices ChartWindow::Choices() const
{
    ChartChoices c;
    for (int s = 0; s < kChartSeries; ++s) c.Series[size_t(s)] = m_series[size_t(s)]->isChecked();
    for (int m = 1; m <= 12; ++m) c.Months[size_t(m - 1)] = MonthBox(m)->isChecked();
    c.ShowSelection = m_show->isChecked();
    return c;
}

void ChartWindow::OnMonthToggled(int month, bool checked)
{
    ChartChoices before = Choices();
    before.Months[size_t(month - 1)] = !checked;
    if (!checked && !before.MayUncheckMonth(month)) {
        const QSignalBlocker quiet(MonthBox(month));
        MonthBox(month)->setChecked(true);
        return;
    }
    DrawChart();
}

void ChartWindow::GatherTotals()
{
    m_timer->stop();
    m_totals = GatherMonthlyTotals(m_doc, [this](int percent) {
        m_progress->setValue(percent);
        LetInterfaceRepaint();
    });
    m_gathered = true;
    DrawChart();
    m_loading->hide();
    m_view->show();
    m_busy.reset();
    emit TotalsGathered();
}

void ChartWindow::DrawChart()
{
    if (!m_gathered) return;
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    const ChartTable table = BuildChartTable(m_totals, Choices());
    if (table.Columns.isEmpty()) return;

    auto* bars = new QBarSeries;
    for (const ChartTable::Column& column : table.Columns) {
        auto* set = new QBarSet(column.Name);
        set->setColor(column.Colour);
        set->setBorderColor(column.Colour.darker(140));
        for (qint32 v : column.Values) set->append(v);
        // The exact amount of a bar under the pointer.
        connect(set, &QBarSet::hovered, this,
                [name = column.Name, values = column.Values, labels = table.RowLabels](bool over, int row) {
                    if (over && row >= 0 && row < values.size())
                        QToolTip::showText(QCursor::pos(), labels[row] + u'\n' + name +
                                                               (name.endsWith(u':') ? u" "_qs : u": "_qs) +
                                                               MoneyText(values[row]));
                    else
                        QToolTip::hideText();
                });
        bars->append(set);
    }
    m_chart->addSeries(bars);
    auto* months = new QBarCategoryAxis;
    months->append(table.RowLabels);
    months->setTruncateLabels(false); // "Septembre" needs only a little of its neighbours' room
    m_chart->addAxis(months, Qt::AlignBottom);
    bars->attachAxis(months);
    QValueAxis* amounts = AmountAxis(table);
    m_chart->addAxis(amounts, Qt::AlignLeft);
    bars->attachAxis(amounts);
}

void ChartWindow::done(int result)
{
    m_timer->stop();
    WriteChartChoices(Choices());
    QDialog::done(result);
}

void ChartWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(kHelpPage);
        return;
    }
    QDialog::keyPressEvent(event);
}
