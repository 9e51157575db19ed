#pragma once
// The program's main routine after the application object exists: the real prompts and sound,
// the start-up, the event loop. started, when given, is called once the start-up is done.

#include <functional>

class Program;
class QApplication;

int RunProgram(QApplication& app, const std::function<void(Program&)>& started = {});
