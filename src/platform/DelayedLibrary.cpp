#include "platform/DelayedLibrary.h"

#include <QtGlobal>
#include <dlfcn.h>

void* DelayedLibrary(const char* soname)
{
    // dlopen counts its own loads: a library already loaded comes back at once.
    void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle) qFatal("Daybinder cannot load %s, which it needs: %s", soname, dlerror());
    return handle;
}

void* DelayedFunction(void* library, const char* name)
{
    void* f = dlsym(library, name);
    if (!f) qFatal("Daybinder: no function %s: %s", name, dlerror());
    return f;
}
