#pragma once
// The picture chooser window: drives, folders and picture files, with a preview of the
// selected file. Shown modally by ChoosePicture.

#include "dialogkit/PictureChoice.h"
#include "pictures/ChooserRules.h"

#include <QDialog>

class DriveList;
class FileList;
class FolderList;
class QCheckBox;
class QLabel;
class QPushButton;

class PictureChooser : public QDialog
{
    Q_OBJECT
public:
    explicit PictureChooser(QWidget* parent = nullptr);

    // What the chooser gives back once closed: result 1 and the path after Open, else nothing.
    PictureChoice Choice() const { return m_choice; }

protected:
    void done(int result) override;

private:
    void BuildControls();
    void OpenInStartFolder();
    ChooserOptions Options() const;

    void OnTypeClicked(int index);
    void OnPreviewClicked();
    void OnDriveChosen(const QString& root);
    void OnFolderChosen(const QString& folder);
    void OnFileSelectionChanged();
    void OnOpen();

    // Shows the folder in both lists; false when the user gave up after the error message.
    bool ChangeFolder(const QString& folder, bool drive);
    void RefreshSelection();
    void ShowPreview();
    void SetControlsEnabled(bool enabled);

    QLabel* m_heading = nullptr;
    DriveList* m_drives = nullptr;
    FolderList* m_folders = nullptr;
    FileList* m_files = nullptr;
    QCheckBox* m_types[kPictureTypeCount] = {};
    QCheckBox* m_preview = nullptr;
    QLabel* m_selFile = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_info = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;

    bool m_cancelled = true;
    PictureChoice m_choice;
};
