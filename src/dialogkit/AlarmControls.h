#pragma once
// The alarm settings of an entry as the event editor and the alert window show them: "Pas
// d'a&larme (OFF)" (`ChkAL`), the days before (`TxtAL` with its up-down `UDAl`), the sound list
// (`CmbAL`) and its "Tester" button (`CmdAL`). Checking the box disables the rest; the test
// button needs a sound other than "Pas de son".

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class AlarmControls : public QWidget
{
    Q_OBJECT
public:
    explicit AlarmControls(QWidget* parent = nullptr);

    void Show(bool alarmOff, const QString& daysBefore, int sound);
    bool AlarmOff() const;
    QString DaysBefore() const;
    int Sound() const;

private:
    void UpdateStates();

    QCheckBox* m_noAlarm;
    QLineEdit* m_days;
    QComboBox* m_sounds;
    QPushButton* m_testSound;
    QList<QWidget*> m_dependents; // enabled while the alarm is on
};
