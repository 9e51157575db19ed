#pragma once
// Libraries the program loads at their first use rather than at every start. A stand-in takes
// the place of each function of the library the program calls: it finds the real one at its
// first call and hands every call on. The stand-in's declaration comes from the library's own
// header, so one whose signature differs does not compile.

// The library, loaded once; ends the program with a message when it cannot be loaded (only an
// installation without its package's dependencies gets there).
void* DelayedLibrary(const char* soname);

// A function of the library; ends the program with a message when the library lacks it.
void* DelayedFunction(void* library, const char* name);

// Defines the stand-in of function name of the library soname.
#define DAYBINDER_STAND_IN(soname, result, name, parameters, arguments)                                         \
    result name parameters                                                                                     \
    {                                                                                                          \
        static const auto real = reinterpret_cast<decltype(&::name)>(                                          \
            DelayedFunction(DelayedLibrary(soname), #name));                                                   \
        return real arguments;                                                                                 \
    }
