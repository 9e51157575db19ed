#pragma once
// Common dialogs for tests: answers from a script and records every request.

#include "platform/CommonDialogs.h"

#include <QList>

class ScriptedDialogs : public CommonDialogs
{
public:
    ScriptedDialogs() { CommonDialogs::Install(this); }
    ~ScriptedDialogs() override { CommonDialogs::Install(nullptr); }

    // Taken in order; Cancel (nothing) when none is left.
    QList<std::optional<QString>> Files;
    QList<std::optional<qint32>> Colours;

    QList<FileDialogRequest> Opened;
    QList<FileDialogRequest> Saved;
    QList<qint32> ColourAsked;

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
};
