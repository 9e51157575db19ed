#pragma once
// The alert window ("FrmAlarm"): the entry whose warning day has come, a scrolling warning, and
// its alarm settings to switch off or change. OK writes the settings back (ConfirmAlert);
// Cancel or closing the window changes nothing.

#include "alarms/Alarms.h"

#include <QDialog>

class AlarmControls;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;

class AlertWindow : public QDialog
{
    Q_OBJECT
public:
    AlertWindow(const AlarmPlace& place, QWidget* parent = nullptr);

    // 1 when OK changed the entry, else 0.
    int Result() const { return m_result; }

    // The warning strip and its text, which the scroller moves.
    QWidget* Strip() const { return m_strip; }
    QLabel* Warning() const { return m_warning; }
    QTimer* Scroller() const { return m_scroller; }

    // Pixels the warning moves at every step of the scroller (100 twips).
    static constexpr int kScrollStep = 7;

protected:
    void done(int result) override;

private:
    void ScrollWarning();
    AlertForm Form() const;

    AlarmPlace m_place;
    AlertForm m_shown;
    QWidget* m_strip;
    QLabel* m_warning;
    QTimer* m_scroller;
    QCheckBox* m_offByDefault;
    AlarmControls* m_alarm;
    int m_result = 0;
};

// AlertEntry's window: shows the alert modally over parent and returns its result.
int ShowAlertWindow(QWidget* parent, const AlarmPlace& place);
