#pragma once
// The pages with more than a list: events (the selected date, the day totals, the balance),
// debts and savings (the balance), summary (type, span and results) and commands.

#include "views/TabPage.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

// Two labels shown together under a list: "Balance (date):" and the amount.
using BalanceLabelWidgets = std::array<QLabel*, 2>;

// Shows both labels with their texts, or hides them.
void ShowBalanceLabels(const BalanceLabelWidgets& labels, bool visible, const QString& caption,
                       const QString& value);

class EventsTab : public ListTab
{
    Q_OBJECT
public:
    explicit EventsTab(QWidget* parent = nullptr);

    QLineEdit* SelectedDateBox() const { return m_date; }
    void SetTotals(qint32 incomes, qint32 expenses, qint32 total);
    const BalanceLabelWidgets& Balance() const { return m_balance; }

private:
    QLineEdit* m_date;
    std::array<QLabel*, 3> m_totals{};
    BalanceLabelWidgets m_balance{};
};

class DebtsTab : public ListTab
{
    Q_OBJECT
public:
    explicit DebtsTab(QWidget* parent = nullptr);
    const BalanceLabelWidgets& Balance() const { return m_balance; }

private:
    BalanceLabelWidgets m_balance{};
};

// The summary page: its totals are computed by the summary subsystem through Compute.
class SummaryTab : public TabPage
{
    Q_OBJECT
public:
    explicit SummaryTab(QWidget* parent = nullptr);

    // "Tableau...": in the hint panel until a day is chosen, then under the results.
    QPushButton* ChartButton() const { return m_chart; }
    // The chosen summary type 0..3; exactly one box stays checked.
    int SummaryType() const;
    QLineEdit* Result(int i) const { return m_results[size_t(i)]; }
    QLabel* From() const { return m_from; }
    QLabel* To() const { return m_to; }

    // Fills the span and the results; called by every refresh while this tab is current.
    std::function<void()> Compute;

    void ApplyStates(bool editing, bool daySelected, bool printerInstalled) override;

signals:
    void TypeChosen(int type);
    void ChartRequested();

private:
    QPushButton* m_chart;
    QButtonGroup* m_types;
    QLabel* m_from = nullptr;
    QLabel* m_to = nullptr;
    std::array<QLineEdit*, 3> m_results{};
};

// The commands page: document, printing and program buttons, reported by their object name.
class CommandsTab : public TabPage
{
    Q_OBJECT
public:
    explicit CommandsTab(QWidget* parent = nullptr);
    QPushButton* Button(const QString& name) const; // "CmdCONew", "CmdCOOpen", ...
    QLabel* Image(const QString& name) const;       // "ImgCOSave", "ImgCOPreview", "ImgCOPrint"
    void ApplyStates(bool editing, bool daySelected, bool printerInstalled) override;

    // Whether a button's command has its window yet; the others stay disabled.
    std::function<bool(const QString& button)> Available = [](const QString&) { return true; };

signals:
    void CommandClicked(const QString& name);

private:
    QList<QPushButton*> m_buttons;
    QList<QLabel*> m_images;
};
