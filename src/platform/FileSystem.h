#pragma once
// The file-system seam of a save: the system calls that put a new file in place of an old one
// go through the installed FileSystem, so that tests can make any of them fail (a disk that
// fills up, a sync or a rename that fails) even when they run as root, whom permissions do not
// stop. Each call returns what the system call returns and leaves errno set when it fails.

#include <sys/types.h>

class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Creates and opens a new file from a template ending in "XXXXXX" (mkostemp), which it
    // completes with the name chosen.
    virtual int CreateUnique(char* pathTemplate);
    virtual ssize_t Write(int fd, const void* data, size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);

    // The file system saves use; the system's own unless a test installed another.
    static FileSystem& Current();
    static void Install(FileSystem* fileSystem); // nullptr restores the system's
};
