#pragma once
// The about box: the product, its version and the date of the program file.

#include <QDialog>

class AboutBox : public QDialog
{
    Q_OBJECT
public:
    // programFile is the file whose date is shown (the running program by default).
    explicit AboutBox(QWidget* parent = nullptr, const QString& programFile = QString());

    // Shows the box modally over parent.
    static void Show(QWidget* parent);
};
