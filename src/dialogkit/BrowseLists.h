#pragma once
// The three browsing lists of the picture chooser: mounted volumes, folders, files.

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

// The mounted volumes of this machine, by mount point. Re-read each time it drops down, so a
// volume plugged in while the chooser is open shows up.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    void Reload();
    // Selects the volume that holds the folder, without telling anyone.
    void SetDriveOf(const QString& folder);
    QString Drive() const; // the selected volume's mount point

    void showPopup() override;

signals:
    void DriveChosen(const QString& root); // picked by the user

private:
    int AddVolume(const QString& root, const QString& name);
};

// The current folder with its parents above it and its subfolders below; a double-click or
// Enter opens a folder.
class FolderList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    void SetPath(const QString& folder); // the folder must be readable (CheckFolder)
    QString Path() const { return m_path; }

signals:
    void FolderChosen(const QString& folder);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_path;
};

// The files of one folder that match a pattern ("*.bmp;*.gif"), sorted by name.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    // Each re-reads the folder; the selection is lost and nobody is told.
    void SetPath(const QString& folder);
    void SetPattern(const QString& pattern);
    QString Path() const { return m_path; }
    QString Pattern() const { return m_pattern; }

    QString FileName() const; // the selected file's name; empty when none is selected
    void SelectFirst();       // tells the usual listeners

    // "NoRefresh" while the chooser changes the list itself, empty otherwise.
    QString Marker;

signals:
    void FileActivated(); // double-click or Enter on a file

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Reread();

    QString m_path;
    QString m_pattern;
};
