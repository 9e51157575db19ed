#include "platform/FileSystem.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {
FileSystem g_system;
FileSystem* g_current = &g_system;
} // namespace

int FileSystem::CreateUnique(char* pathTemplate)
{
    return ::mkostemp(pathTemplate, O_CLOEXEC);
}

ssize_t FileSystem::Write(int fd, const void* data, size_t size)
{
    return ::write(fd, data, size);
}

int FileSystem::Sync(int fd)
{
    return ::fsync(fd);
}

int FileSystem::Close(int fd)
{
    return ::close(fd);
}

int FileSystem::Rename(const char* from, const char* to)
{
    return ::rename(from, to);
}

FileSystem& FileSystem::Current()
{
    return *g_current;
}

void FileSystem::Install(FileSystem* fileSystem)
{
    g_current = fileSystem ? fileSystem : &g_system;
}
