#pragma once
// A file system for tests that fails on purpose: the disk fills up after a number of bytes, or
// the sync, the close or the rename of a save fails with a chosen error. Installed while it lives.

#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <optional>

class FailingFileSystem : public FileSystem
{
public:
    FailingFileSystem() { FileSystem::Install(this); }
    ~FailingFileSystem() override { FileSystem::Install(nullptr); }

    std::optional<size_t> BytesUntilFull; // the disk takes this many more bytes, then ENOSPC
    int SyncError = 0;                    // errno of a failing fsync, 0: it succeeds
    int CloseError = 0;
    int RenameError = 0;
    int Renames = 0; // renames asked for, whether they failed or not

    ssize_t Write(int fd, const void* data, size_t size) override
    {
        if (BytesUntilFull) {
            if (*BytesUntilFull == 0) return Fail(ENOSPC);
            size = std::min(size, *BytesUntilFull); // a short write, as a filling disk makes
            *BytesUntilFull -= size;
        }
        return FileSystem::Write(fd, data, size);
    }
    int Sync(int fd) override { return SyncError ? Fail(SyncError) : FileSystem::Sync(fd); }
    int Close(int fd) override
    {
        const int closed = FileSystem::Close(fd); // the descriptor goes in every case
        return CloseError ? Fail(CloseError) : closed;
    }
    int Rename(const char* from, const char* to) override
    {
        ++Renames;
        return RenameError ? Fail(RenameError) : FileSystem::Rename(from, to);
    }

private:
    static int Fail(int error)
    {
        errno = error;
        return -1;
    }
};
