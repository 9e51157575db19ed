#pragma once
// The handlers of the main window's shell commands (New, Open, ..., Properties). Each window's
// wiring registers its command here; a command without a handler stays disabled.

#include "views/CommandRules.h"

#include <functional>

class MainWindow;

// When the command may run at all: whatever the mode but not while loading, ending or refilling
// (New, Open), or only while a document is being edited (Save, Preview, Properties, ...).
enum class CommandGuard
{
    Always,
    MayReplace,
    Editing
};

void SetShellCommandHandler(ShellCommand command, CommandGuard guard, std::function<void()> handler);
bool HasShellCommandHandler(ShellCommand command);

// Runs the command's handler when its guard allows it now and it is not running already.
void RunShellCommand(ShellCommand command);

// Joins the main window's commands and their enabling to the handlers; forgets every handler
// when the window goes.
void ConnectShellCommands(MainWindow& main);
