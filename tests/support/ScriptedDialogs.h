#pragma once
// Common dialogs for tests: answers from a script and records every request.

#include "platform/CommonDialogs.h"

#include <QList>
#include <QStringList>
#include <functional>

class ScriptedDialogs : public CommonDialogs
{
public:
    ScriptedDialogs() { CommonDialogs::Install(this); }
    ~ScriptedDialogs() override { CommonDialogs::Install(nullptr); }

    // Taken in order; Cancel (nothing) when none is left.
    QList<std::optional<QString>> Files;
    QList<std::optional<qint32>> Colours;
    QList<std::optional<QString>> Folders;
    QList<std::optional<PrinterChoice>> Printers;

    QList<FileDialogRequest> Opened;
    QList<FileDialogRequest> Saved;
    QList<qint32> ColourAsked;
    QStringList FolderAsked;           // the start folder of each request
    QList<PrinterChoice> PrinterAsked; // the choice shown by each set-up

    // Runs while a file dialog is open, as a dialog's own event loop answers window events.
    std::function<void()> WhileOpen;

    std::optional<QString> OpenFile(const FileDialogRequest& r) override
    {
        if (WhileOpen) WhileOpen();
        return Answer(Files, Opened, r);
    }
    std::optional<QString> SaveFile(const FileDialogRequest& r) override { return Answer(Files, Saved, r); }
    std::optional<qint32> ChooseColour(qint32 initial) override
    {
        return Answer(Colours, ColourAsked, initial);
    }
    std::optional<QString> ChooseFolder(const QString& start) override
    {
        return Answer(Folders, FolderAsked, start);
    }
    std::optional<PrinterChoice> SetupPrinter(const PrinterChoice& current) override
    {
        return Answer(Printers, PrinterAsked, current);
    }

private:
    // Records the request and takes the next answer.
    template <typename T, typename Asked, typename Request>
    static std::optional<T> Answer(QList<std::optional<T>>& answers, Asked& asked, const Request& request)
    {
        asked.append(request);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};
