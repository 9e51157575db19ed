#pragma once
// Common dialogs for tests: answers from a script and records every request.

#include "platform/CommonDialogs.h"

#include <QList>
#include <QStringList>

class ScriptedDialogs : public CommonDialogs
{
public:
    ScriptedDialogs() { CommonDialogs::Install(this); }
    ~ScriptedDialogs() override { CommonDialogs::Install(nullptr); }

    // Taken in order; Cancel (nothing) when none is left.
    QList<std::optional<QString>> Files;
    QList<std::optional<qint32>> Colours;
    QList<std::optional<QString>> Folders;
    QList<std::optional<QString>> Printers; // a printer name, "" for the default printer

    QList<FileDialogRequest> Opened;
    QList<FileDialogRequest> Saved;
    QList<qint32> ColourAsked;
    QStringList FolderAsked;  // the start folder of each request
    QStringList PrinterAsked; // the printer chosen before each set-up

    std::optional<QString> OpenFile(const FileDialogRequest& r) override
    {
        Opened.append(r);
        return Files.isEmpty() ? std::nullopt : Files.takeFirst();
    }
    std::optional<QString> SaveFile(const FileDialogRequest& r) override
    {
        Saved.append(r);
        return Files.isEmpty() ? std::nullopt : Files.takeFirst();
    }
    std::optional<qint32> ChooseColour(qint32 initial) override
    {
        ColourAsked.append(initial);
        return Colours.isEmpty() ? std::nullopt : Colours.takeFirst();
    }
    std::optional<QString> ChooseFolder(const QString& start) override
    {
        FolderAsked.append(start);
        return Folders.isEmpty() ? std::nullopt : Folders.takeFirst();
    }
    std::optional<QString> SetupPrinter(const QString& current) override
    {
        PrinterAsked.append(current);
        return Printers.isEmpty() ? std::nullopt : Printers.takeFirst();
    }
};
