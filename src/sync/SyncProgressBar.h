#pragma once
// The exchange under way as the main window's status area shows it: the stage, a bar (moving
// without an end while the total is unknown) and "Annuler".

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

class SyncProgressBar : public QWidget
{
    Q_OBJECT
public:
    explicit SyncProgressBar(QWidget* parent = nullptr);

    void Show(int done, int total, const QString& stage);
    QPushButton* CancelButton() const { return m_cancel; }

private:
    QLabel* m_stage;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};
