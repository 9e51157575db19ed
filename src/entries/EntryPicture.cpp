#include "entries/EntryPicture.h"

// The CAL file's picture loader will take over here once it is in the logic library.
bool LoadEntryPicture(const QString& path, QImage& picture)
{
    picture = QImage();
    if (path.isEmpty()) return false;
    QImage loaded;
    if (!loaded.load(path)) return false;
    picture = std::move(loaded);
    return true;
}
