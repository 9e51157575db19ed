#pragma once
// The birthday editor: the name and birth date of one birthday.

#include <QDialog>

class QDateEdit;
class QLineEdit;

class BirthdayEditor : public QDialog
{
    Q_OBJECT
public:
    // mode EditorAdd or EditorEdit; editIndex is the birthday edited.
    BirthdayEditor(int mode, int editIndex, QWidget* parent = nullptr);

    // 1 when a birthday was written, 0 otherwise (Cancel, closed, or OK without change).
    int Result() const { return m_result; }

private:
    void OnOk();

    int m_mode;
    int m_editIndex;
    int m_result = 0;
    QLineEdit* m_name;
    QDateEdit* m_date;
};

// Opens the editor modally on the open document and returns its result.
int RunBirthdayEditor(QWidget* parent, int mode, int editIndex);
