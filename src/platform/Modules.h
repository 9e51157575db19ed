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

// The one object a module makes with a function that takes nothing: asked for at the first Get,
// then kept; nullptr when the module cannot give it (ModuleFunction has said why).
template <typename T> class ModuleObject
{
public:
    ModuleObject(const char* module, const char* function) : m_module(module), m_function(function) {}

    T* Get()
    {
        if (m_module) { // not asked for yet
            if (const auto make = ModuleFunctionAs<T* (*)()>(m_module, m_function)) m_object = make();
            m_module = nullptr;
        }
        return m_object;
    }

    // The object when it was already made; nothing is loaded for it.
    T* IfMade() const { return m_object; }

private:
    const char* m_module;
    const char* m_function;
    T* m_object = nullptr;
};
