#pragma once
// The event page of the event editor and of the auto-event editor: the type choice, the
// description, the amount, and the tie to a debt or savings account with its rules (typing an
// account's name ties the entry to it, the two amount boxes follow each other). The event
// editor also shows the account's balance before and after the day.

#include "entries/EventForm.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class EventPage : public QWidget
{
    Q_OBJECT
public:
    explicit EventPage(bool balancePreview, QWidget* parent = nullptr);

    // Shows the values; an occurrence (its link key) shows its warning and keeps its type,
    // description and amount. Showing an entry ties it to no account by itself.
    void Show(const EventPageValues& values);
    EventPageValues Values() const;

    // The day whose balances the page previews, leaving out the edited entry (-1: none).
    void SetPreviewDay(int month, int cell, const DateRec& date, int leftOut);

    QLineEdit* DescriptionBox() const { return m_description; }
    // The dialog's OK, enabled only while the page can be written (NameMissing).
    void GuardOk(QPushButton* ok);
    // Enables the boxes for the choices made; the dialog calls it again on every page change.
    void UpdateStates();

private:
    void OnTypeChosen(int choice);
    void OnDescriptionChanged(const QString& text);
    void OnAmountEdited();
    void OnMoveAmountEdited();
    void UpdatePreview();
    void UpdateOk();

    bool m_balancePreview;
    bool m_showing = false;
    bool m_locked = false; // a generated entry: type, text and amount stay
    int m_month = 0;
    int m_cell = 0;
    DateRec m_date;
    int m_leftOut = -1;
    QString m_linkKey; // of the entry shown
    QPushButton* m_ok = nullptr;

    QButtonGroup* m_type = nullptr;
    QLineEdit* m_description = nullptr;
    QLineEdit* m_amount = nullptr;
    QLabel* m_warning = nullptr;
    QCheckBox* m_linked = nullptr;
    QWidget* m_accountPanel = nullptr;
    QComboBox* m_accounts = nullptr;
    QButtonGroup* m_direction = nullptr;
    QLineEdit* m_moveAmount = nullptr;
    QLabel* m_beforeLabel = nullptr;
    QLineEdit* m_before = nullptr;
    QLabel* m_afterLabel = nullptr;
    QLineEdit* m_after = nullptr;
    QLabel* m_hint = nullptr;
};
