#pragma once
// The recovery copies joined to the program: the writer follows the open document's changes,
// a save or changes dropped on purpose remove its copy, and every document opened has its copies
// offered.

#include <functional>

class MainWindow;

// Returns what start-up calls once the main window shows and no document was named: the offer
// of every copy left behind.
std::function<void()> WireRecovery(MainWindow& main);
