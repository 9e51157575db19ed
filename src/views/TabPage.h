#pragma once
// The pages of the navigation panel's tab bar. A page has a hint panel (shown until a document
// is open, or a day chosen, as its tab requires) and a work panel; list pages hold a list with
// the common buttons. Lines come from a provider that the list's own subsystem sets, and every
// button, check, click and double-click is reported by a signal, so the page itself holds no
// rule of the lists.

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class QVBoxLayout;

class TabPage : public QWidget
{
    Q_OBJECT
public:
    explicit TabPage(int tabIndex, QWidget* parent = nullptr);

    int TabIndex() const { return m_tabIndex; }
    QWidget* HintPanel() const { return m_hint; }
    QWidget* WorkPanel() const { return m_work; }
    QLabel* StepOne() const { return m_stepOne; }
    QLabel* StepTwo() const { return m_stepTwo; }
    QToolButton* HelpButton() const { return m_help; }

    // The help page for the state last applied.
    QString HelpPage() const;

    // Shows the panels and enables the buttons for the mode and the selected day.
    virtual void ApplyStates(bool editing, bool daySelected, bool printerInstalled);
    // Refills the list and selects a line (-1, or a line that does not exist: the first one).
    virtual void Refill(int line) { Q_UNUSED(line) }

signals:
    // Emitted by the main window after a refill, once the buttons are set: the list's own
    // subsystem computes its totals and balances then.
    void Refilled();

protected:
    QVBoxLayout* TopLayout() const { return m_top; }
    QVBoxLayout* HintLayout() const;
    QVBoxLayout* WorkLayout() const;

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

// A list with the common buttons. Object names follow the list's prefix: LstEV, CmdEVAdd,
// CmdEVEdit, CmdEVRemove, CmdEVClear, CmdEVUp, CmdEVDown, CmdEVSort0, CmdEVSort1, CmdEVShowPic,
// CmdAEUpdate... Button() takes the part after the prefix ("Add", "Sort0", "Update").
class ListTab : public TabPage
{
    Q_OBJECT
public:
    enum Extra
    {
        NoExtra = 0,
        UpdateButton = 1,
        PictureButton = 2
    };

    ListTab(int tabIndex, const QString& prefix, int extras, QWidget* parent = nullptr);

    QListWidget* List() const { return m_list; }
    QPushButton* Button(const QString& name) const;
    int SelectedLine() const;
    int LineCount() const;
    void SelectLine(int line);

    // Where the lines come from; the list stays empty until its subsystem provides it.
    std::function<QList<ListLine>()> Lines;

    void ApplyStates(bool editing, bool daySelected, bool printerInstalled) override;
    void Refill(int line) override;

signals:
    void ButtonClicked(const QString& name);
    void LineChecked(int line, bool checked);
    void LineClicked(int line);
    // The check mark of the line is as it was before the double-click.
    void LineDoubleClicked(int line);
    // The selected line changed (click, keys or refill): the buttons follow it.
    void SelectionChanged();

protected:
    QPushButton* AddButton(const QString& name, int text);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_prefix;
    QListWidget* m_list;
    QList<QPushButton*> m_buttons;
    QList<ListLine> m_lines;
    bool m_filling = false;
    // The line under the last press and its check mark then: a double-click puts back the
    // mark its own first click changed.
    int m_pressedLine = -1;
    Qt::CheckState m_pressedCheck = Qt::Unchecked;
};
