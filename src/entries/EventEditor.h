#pragma once
// The event editor: one entry of the selected day, on three pages (general, display, alarm).
// The rules live in EventForm.h; this window shows them and hands the values back.

#include "entries/EventForm.h"

#include <QDialog>

class AlarmControls;
class EventPage;
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Page construction (EventEditorPages.cpp); the general page is the shared event page.
    QWidget* BuildDisplayPage();
    QWidget* BuildAlarmPage();
    void ShowValues(const EventFormValues& values);

    // Behaviour (EventEditor.cpp).
    void ChooseColour();
    void ChoosePictureFile();
    void ShowHelp();
    void UpdateStates();
    void ShowSwatch();
    void ShowPicturePreview();
    void OnOk();

    int m_mode;
    int m_editIndex;
    int m_month;
    int m_cell;
    int m_result = 0;
    qint32 m_colour = 0;
    QString m_picturePath;
    QImage m_picture;

    QTabWidget* m_tabs = nullptr;
    EventPage* m_general = nullptr;
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
