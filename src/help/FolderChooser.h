#pragma once
// The folder chooser: volumes and folders, a new folder made on the spot, and the chosen
// folder handed back. The options dialog picks its fixed folders with it.

#include <QDialog>

class DriveList;
class FolderList;
class QLabel;
class QPushButton;

class FolderChooser : public QDialog
{
    Q_OBJECT
public:
    // Opens on start, or on the program's folder when start cannot be shown.
    explicit FolderChooser(const QString& start, QWidget* parent = nullptr);

    // After closing: the chosen folder with one trailing "/" after OK, empty otherwise.
    QString Chosen() const { return m_chosen; }
    // The folder OK would hand back now, without its trailing separator.
    QString CurrentFolder() const;

protected:
    void done(int result) override;

private:
    void OnDriveChosen(const QString& root);
    void OnFolderChosen(const QString& folder);
    void OnNewFolder();
    void ShowSelectedPath();
    void Highlight(const QString& folder);

    DriveList* m_drives = nullptr;
    FolderList* m_folders = nullptr;
    QLabel* m_selPath = nullptr;
    bool m_cancelled = true;
    QString m_chosen;
};

// Shows the chooser modally from start; the chosen folder with one trailing "/", or the empty
// text when the user cancelled.
QString ChooseFolderWithChooser(QWidget* parent, const QString& start);
