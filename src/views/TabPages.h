#pragma once
// The pages of the navigation panel's tab bar. Each list page has a hint panel (shown until a
// document is open, or a day chosen) and a work panel with its list and buttons.

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;
class QVBoxLayout;

class TabPage : public QWidget
{
    Q_OBJECT
public:
    TabPage(int tabIndex, QWidget* parent = nullptr);

    int TabIndex() const { return m_tabIndex; }
    QWidget* HintPanel() const { return m_hint; }
    QWidget* WorkPanel() const { return m_work; }
    QLabel* StepOne() const { return m_stepOne; }
    QLabel* StepTwo() const { return m_stepTwo; }
    QToolButton* HelpButton() const { return m_help; }

    // Shows the panels and enables the buttons for the mode and the selected day.
    virtual void ApplyStates(bool editing, bool daySelected, bool printerInstalled);
    // Refills the list and selects a line (-1: the first, when there is one).
    virtual void Refill(int line) { Q_UNUSED(line) }

signals:
    void HelpRequested(const QString& page);

protected:
    QVBoxLayout* WorkLayout() const;
    QVBoxLayout* HintLayout() const;
    QVBoxLayout* TopLayout() const { return m_top; }

private:
    int m_tabIndex;
    QVBoxLayout* m_top;
    QWidget* m_hint;
    QWidget* m_work;
    QLabel* m_stepOne;
    QLabel* m_stepTwo;
    QToolButton* m_help;
    bool m_editing = false;
    bool m_daySelected = false;
};

struct ListLine
{
    QString Text;
    bool Checkable = false;
    bool Checked = false;
    bool HasPicture = false;
};

// A list with the common buttons. Their object names follow the list's prefix: LstEV, CmdEVAdd,
// CmdEVEdit, CmdEVRemove, CmdEVClear, CmdEVUp, CmdEVDown, CmdEVSort0, CmdEVSort1, ...
class ListTab : public TabPage
{
    Q_OBJECT
public:
    enum Extra { NoExtra = 0, UpdateButton = 1, PictureButton = 2 };

    ListTab(int tabIndex, const QString& prefix, int extras, QWidget* parent = nullptr);

    QListWidget* List() const { return m_list; }
    QPushButton* Button(const QString& name) const; // "Add", "Edit", ..., "Sort0", "Sort1", "Update", "ShowPic"
    int SelectedLine() const;
    int LineCount() const;

    // Where the lines come from; empty until the list's subsystem provides it.
    std::function<QList<ListLine>()> Lines;

    void ApplyStates(bool editing, bool daySelected, bool printerInstalled) override;
    void Refill(int line) override;

signals:
    void ButtonClicked(const QString& name);
    void LineChecked(int line, bool checked);
    void LineDoubleClicked(int line);
    void LineClicked(int line);

private:
    QPushButton* AddButton(const QString& name, int text);

    QString m_prefix;
    QListWidget* m_list;
    QList<QPushButton*> m_buttons;
    QList<ListLine> m_lines;
    bool m_filling = false;
    bool m_editing = false;
};

// The events page: the selected date above the list, the day totals below it.
class EventsTab : public ListTab
{
    Q_OBJECT
public:
    explicit EventsTab(QWidget* parent = nullptr);

    QLineEdit* SelectedDateBox() const { return m_date; }
    void SetTotals(qint32 incomes, qint32 expenses, qint32 total);
    QLabel* BalanceLabel() const { return m_balance; }

private:
    QLineEdit* m_date;
    QLabel* m_in;
    QLabel* m_out;
    QLabel* m_total;
    QLabel* m_balance;
};

// The commands page: document, options and printing buttons.
class CommandsTab : public TabPage
{
    Q_OBJECT
public:
    explicit CommandsTab(QWidget* parent = nullptr);
    QPushButton* Button(const QString& name) const; // CmdCONew, CmdCOOpen, ...
    void ApplyStates(bool editing, bool daySelected, bool printerInstalled) override;

signals:
    void CommandClicked(const QString& name);

private:
    QList<QPushButton*> m_buttons;
    QList<QLabel*> m_images;
};

// The summary page: its totals arrive with the summary subsystem.
class SummaryTab : public TabPage
{
    Q_OBJECT
public:
    explicit SummaryTab(QWidget* parent = nullptr);
    QPushButton* ChartButton() const { return m_chart; }
    void ApplyStates(bool editing, bool daySelected, bool printerInstalled) override;

private:
    QPushButton* m_chart;
};
