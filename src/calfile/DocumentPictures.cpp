#include "calfile/DocumentPictures.h"

#include "calfile/CalFile.h"
#include "calfile/CalMembers.h"
#include "calfile/FileError.h"
#include "calfile/Parallel.h"
#include "calfile/Pictures.h"
#include "platform/Prompter.h"

#include <QHash>
#include <atomic>
#include <vector>

namespace {

// Decoded pictures of one document, all together. Past it, pictures fail to load like damaged
// ones: a hostile file cannot make the program take all the memory there is.
constexpr qint64 kPictureMemoryBudget = qint64(1) << 30;
// Picture failures reported one by one; a file with more is damaged beyond what a list of
// messages could help with, so the rest load empty without a message each.
constexpr int kMaxPictureReports = 20;

class Budget
{
public:
    bool Affordable() const { return m_spent.load() < kPictureMemoryBudget; }
    // Counts the picture; drops it when it does not fit any more.
    void Spend(QImage& picture)
    {
        if (m_spent.fetch_add(picture.sizeInBytes()) + picture.sizeInBytes() > kPictureMemoryBudget)
            picture = QImage();
    }

private:
    std::atomic<qint64> m_spent{0};
};

// Each worker reads members through an archive of its own, sharing the bytes and the budget of
// what may be inflated. A member that does not begin as a picture is not inflated any further.
std::vector<QImage> DecodeMembers(const QList<PictureSlot>& slotList, const ArchiveReader& archive,
                                  const QString& password)
{
    std::vector<QImage> pictures(size_t(slotList.size()));
    std::vector<ArchiveReader> readers(size_t(ParallelWorkers(int(slotList.size()))));
    std::vector<QByteArray> buffers(readers.size());
    std::vector<char> opened(readers.size(), 0);
    Budget budget;
    ParallelFor(int(slotList.size()), [&](int w, int i) {
        ArchiveReader& reader = readers[size_t(w)];
        FileError ignored;
        if (!opened[size_t(w)]) opened[size_t(w)] = reader.OpenBeside(archive, &ignored) ? 1 : 2;
        QImage picture;
        if (!StopRequested() && budget.Affordable() &&
            reader.Read(slotList[i].Member, password, &buffers[size_t(w)], &ignored, &LooksLikePicture) ==
                MemberStatus::Read &&
            DecodePicture(buffers[size_t(w)], picture))
            budget.Spend(picture);
        pictures[size_t(i)] = picture;
    });
    return pictures;
}

// One decoding per file, shared by every picture that names it.
std::vector<QImage> DecodeFiles(const QList<PictureSlot>& slotList)
{
    QHash<QString, int> unique;
    QStringList paths;
    for (const PictureSlot& s : slotList)
        if (!unique.contains(*s.Path)) unique.insert(*s.Path, int(paths.size())), paths.append(*s.Path);
    std::vector<QImage> decoded(size_t(paths.size()));
    Budget budget;
    ParallelFor(int(paths.size()), [&](int, int i) {
        QImage picture;
        if (!StopRequested() && budget.Affordable() && LoadPictureFile(paths[i], picture))
            budget.Spend(picture);
        decoded[size_t(i)] = picture;
    });
    std::vector<QImage> pictures;
    for (const PictureSlot& s : slotList) pictures.push_back(decoded[size_t(unique.value(*s.Path))]);
    return pictures;
}

} // namespace

void LoadDocumentPictures(const QString& fileName, const ArchiveReader& archive, CalendarDocument& doc,
                          BusyCursor& busy)
{
    const bool embedded = doc.EmbedPictures;
    const QList<PictureSlot> slotList = embedded ? EmbeddedPictures(doc) : ReferencedPictures(doc);
    // The longest step of an open: the windows answer meanwhile, and the program may be ended.
    std::vector<QImage> pictures;
    RunWhileInterfaceAnswers([&] {
        pictures = embedded ? DecodeMembers(slotList, archive, doc.Password) : DecodeFiles(slotList);
    });
    if (StopRequested()) return;

    int reports = 0;
    for (qsizetype i = 0; i < slotList.size(); ++i) {
        const PictureSlot& s = slotList[i];
        *s.Picture = pictures[size_t(i)];
        if (!s.Picture->isNull()) continue;
        if (++reports <= kMaxPictureReports) {
            busy.Restore();
            ReportFileError(fileName,
                            embedded ? FileErrorKind::EmbeddedPicture : FileErrorKind::ReferencedPicture,
                            false, {}, *s.Path);
            busy.Resume();
        }
        if (!embedded) s.Path->clear();
    }
}
