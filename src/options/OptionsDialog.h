#pragma once
// The options dialog ("FrmOpt"): four pages (general, alarms, folders, printing) over the
// values of OptionsForm. OK saves them and tells the program (which re-arms the alarm timer);
// Cancel saves nothing.

#include "options/OptionsForm.h"

#include <QDialog>
#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;

class OptionsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    QTabWidget* Pages() const { return m_pages; }
    OptionsValues Values() const;

    // Run once OK has saved the options.
    static inline std::function<void()> Saved;

private:
    // Page construction (OptionsPages.cpp).
    QWidget* BuildGeneralPage();
    QWidget* BuildAlarmsPage();
    QWidget* BuildFoldersPage();
    QWidget* BuildPrintingPage();
    QWidget* BuildFolderPanel(int calBox, int pictureBox, int pictureText, int useLastText);
    void ShowValues(const OptionsValues& values);

    // Behaviour (OptionsDialog.cpp).
    void ShowSound(int number);
    void ChooseSoundFile();
    void ChooseFolderOf(int box);
    void SetUpPrinter();
    void UpdateStates();
    void ShowHelp();
    void OnOk();

    QTabWidget* m_pages;
    // General
    std::array<QCheckBox*, 4> m_general{};
    // Alarms
    QCheckBox* m_offDefault = nullptr;
    QCheckBox* m_checkAlarms = nullptr;
    QLineEdit* m_minutes = nullptr;
    QList<QWidget*> m_minutesWidgets;
    QButtonGroup* m_soundChoice = nullptr;
    QLabel* m_soundLabel = nullptr;
    QLineEdit* m_soundPath = nullptr;
    QPushButton* m_testSound = nullptr;
    std::array<QString, 10> m_sounds; // the working copy
    int m_sound = 1;                  // the sound shown
    // Folders
    QButtonGroup* m_folderPanel = nullptr;
    QStackedWidget* m_folderPanels = nullptr;
    std::array<QCheckBox*, kFolderBoxes> m_useLast{};
    std::array<QLineEdit*, kFolderBoxes> m_folders{};
    std::array<QPushButton*, kFolderBoxes> m_chooseFolder{};
    // Printing
    QCheckBox* m_printBackground = nullptr;
    QLineEdit* m_copies = nullptr;
    std::array<QCheckBox*, 12> m_months{};
};

// Opens the options dialog modally and returns true when it was closed with OK. A page 0 to 3
// is first stored as the page to open (the print preview asks for its printing page, 3); -1
// opens on the page stored.
bool ShowOptionsDialog(QWidget* parent, int page = -1);
