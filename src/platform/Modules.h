#pragma once
// The program's loadable modules (libdaybinder_<name>.so): parts that need a large library
// (audio, network, charts) are loaded the first time they are used, so that a start loads none
// of those libraries. Modules are looked for in the installation's module folder, then where the
// build put them.

#include <QFunctionPointer>
#include <QString>

// A function a module exports; nullptr when the module or the function cannot be found, and
// *why (when asked) then says what went wrong. A module is loaded once and stays loaded.
QFunctionPointer ModuleFunction(const char* module, const char* function, QString* why = nullptr);

template <typename F> F ModuleFunctionAs(const char* module, const char* function, QString* why = nullptr)
{
    return reinterpret_cast<F>(ModuleFunction(module, function, why));
}
