#pragma once
// The debt and savings editor: kind, name, start amount and start date of one account.

#include "entries/DebtsSavings.h"

#include <QDialog>

class QButtonGroup;
class QDateEdit;
class QLabel;
class QLineEdit;

class AccountEditor : public QDialog
{
    Q_OBJECT
public:
    // mode EditorAdd or EditorEdit; editIndex is the account edited.
    AccountEditor(int mode, int editIndex, QWidget* parent = nullptr);

    // 1 when an account was written, 0 otherwise (Cancel, closed, or OK without change).
    int Result() const { return m_result; }

private:
    DebtFormValues Values() const;
    void OnDateChanged();
    void OnOk();

    int m_mode;
    int m_editIndex;
    int m_result = 0;
    QButtonGroup* m_kind;
    QLineEdit* m_name;
    QLineEdit* m_amount;
    QDateEdit* m_date;
    QLabel* m_startLabel;
};

// Opens the editor modally on the open document and returns its result.
int RunDebtEditor(QWidget* parent, int mode, int editIndex);
