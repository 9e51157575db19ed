#pragma once
// The event editor: one entry of the selected day, on three pages (general, display, alarm).
// The rules live in EventForm.h; this window shows them and hands the values back.

#include "entries/EventForm.h"

#include <QDialog>

class AlarmControls;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

class EventEditor : public QDialog
{
    Q_OBJECT
public:
    // Works on the selected day of the session; editIndex is the edited line (edit mode).
    EventEditor(int mode, int editIndex, QWidget* parent = nullptr);

    // 1 when an entry was written, 0 otherwise (Cancel, closed, or OK without change).
    int Result() const { return m_result; }

    // The values the widgets hold now.
    EventFormValues Values() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Page construction (EventEditorPages.cpp).
    QWidget* BuildGeneralPage();
    QWidget* BuildDisplayPage();
    QWidget* BuildAlarmPage();
    // Runs before the signals are connected: showing an entry ties it to no account by itself.
    void ShowValues(const EventFormValues& values);

    // Behaviour (EventEditor.cpp).
    void OnTypeChosen(int choice);
    void OnDescriptionChanged(const QString& text);
    void OnAmountEdited();
    void OnMoveAmountEdited();
    void ChooseColour();
    void ChoosePictureFile();
    void ShowHelp();
    void UpdateStates();
    void UpdatePreview();
    void ShowSwatch();
    void ShowPicturePreview();
    void OnOk();

    int m_mode;
    int m_editIndex;
    int m_month;
    int m_cell;
    DateRec m_date;
    int m_result = 0;
    bool m_locked = false; // a generated entry: type, text and amount stay
    qint32 m_colour = 0;
    QString m_picturePath;
    QImage m_picture;

    QTabWidget* m_tabs = nullptr;
    // General page
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
    // Display page
    QCheckBox* m_noColour = nullptr;
    QLabel* m_colourLabel = nullptr;
    QToolButton* m_swatch = nullptr;
    QCheckBox* m_noPicture = nullptr;
    QLineEdit* m_pictureName = nullptr;
    QPushButton* m_choosePicture = nullptr;
    QCheckBox* m_showPreview = nullptr;
    QLabel* m_preview = nullptr;
    AlarmControls* m_alarm = nullptr; // the alarm page
};

// Opens the editor modally on the selected day and returns its result; 0 without a valid
// selected day or edited line.
int RunEventEditor(QWidget* parent, int mode, int editIndex);
