#pragma once
// The folder chooser's rules that do not depend on its window: the new-folder question, making
// the folder and its error message, and the folder handed back.

#include "dialogkit/BrowseRules.h"
#include "platform/Prompter.h"

#include <QString>
#include <optional>

// "Tapez le nom du nouveau dossier.", an empty line, "Ce dossier sera ajouté à:" and the parent
// folder with its trailing separator on the next line.
QString NewFolderQuestion(const QString& parent);

// Makes the folder named by the typed answer (trimmed) inside parent. Nothing on success, with
// the new folder's path in *made; the failure otherwise. An answer that is empty once trimmed
// is no request at all: nothing is made and nothing fails (*made stays empty).
std::optional<FolderError> MakeNewFolder(const QString& parent, const QString& answer, QString* made);

// Message 1406 with the error's number and description, a stop icon and the title "Daybinder".
PromptRequest NewFolderErrorMessage(const FolderError& error);

// The chooser's answer for a folder: absolute, clean, with exactly one trailing separator.
QString ChosenFolderText(const QString& folder);
