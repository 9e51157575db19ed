#pragma once
// The common dialogs made of Qt's own file and colour dialogs, installed behind the
// CommonDialogs seam by the program's start-up.

#include "platform/CommonDialogs.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class SystemDialogs : public CommonDialogs
{
public:
    explicit SystemDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<qint32> ChooseColour(qint32 initial) override;
    std::optional<QString> ChooseFolder(const QString& start) override;
    std::optional<PrinterChoice> SetupPrinter(const PrinterChoice& current) override;

private:
    std::optional<QString> Run(const FileDialogRequest& request, bool save);

    QPointer<QWidget> m_parent;
};

// Installs the system dialogs (one instance for the rest of the run) with the given parent
// window, and Qt's French texts for their own buttons and labels when they are installed.
void InstallSystemDialogs(QWidget* parent);

// The folder buttons' dialog: the system's folder dialog until the program sets its own chooser
// here (nullptr: back to the system's).
using FolderChooserFunction = std::function<std::optional<QString>(QWidget* parent, const QString& start)>;
void SetFolderChooser(FolderChooserFunction chooser);
