// Writing and reading the heavy document as a ".cal" file, against libzip alone writing and
// reading the same members in the same run; the data stream's parse speed.
//   bench_calfile [RUNS]   (default 9; the median run of each measure is printed)

#include "HeavyDocument.h"
#include "calfile/CalFile.h"
#include "calfile/CalMembers.h"
#include "calfile/DataStream.h"
#include "platform/Prompter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <vector>
#include <zip.h>

namespace {

class BenchPrompter : public UnattendedPrompter
{
public:
    bool AskPassword(const QString&, QString* typed) override
    {
        *typed = QStringLiteral("secret");
        return true;
    }
};

// The median time of several runs, in milliseconds.
template <typename F> double MedianMs(int runs, F&& f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// Peak memory above what was resident before, while f runs once. Free memory is handed back to
// the system first, so that what f allocates shows as new resident memory.
template <typename F> double ExtraPeakMiB(F&& f)
{
    malloc_trim(0);
    ResetPeakMemory();
    const long before = CurrentMemoryKiB();
    f();
    return (PeakMemoryKiB() - before) / 1024.0;
}

bool LibzipWrite(const QString& path, const QList<ArchiveMember>& members, const QByteArray& password)
{
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    if (!za) return false;
    for (const ArchiveMember& m : members) {
        zip_source_t* s = zip_source_buffer(za, m.Data.constData(), zip_uint64_t(m.Data.size()), 0);
        const zip_int64_t i = zip_file_add(za, m.Name.toUtf8().constData(), s, 0);
        zip_set_file_compression(za, zip_uint64_t(i), ZIP_CM_DEFLATE, 6);
        if (m.Protected) zip_file_set_encryption(za, zip_uint64_t(i), ZIP_EM_AES_256, password.constData());
    }
    return zip_close(za) == 0;
}

qint64 LibzipRead(const QString& path, const QByteArray& password)
{
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, nullptr);
    if (!za) return -1;
    qint64 total = 0;
    QByteArray buf;
    for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(za, zip_uint64_t(i), 0, &st);
        buf.resize(qsizetype(st.size));
        zip_file_t* f = zip_fopen_index_encrypted(za, zip_uint64_t(i), 0, password.constData());
        total += zip_fread(f, buf.data(), st.size);
        zip_fclose(f);
    }
    zip_discard(za);
    return total;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 9;
    BenchPrompter prompter;
    Prompter::Install(&prompter);
    QTemporaryDir dir;
    const QString ours = dir.filePath(QStringLiteral("heavy.cal"));
    const QString plain = dir.filePath(QStringLiteral("libzip.cal"));

    CalendarDocument doc = MakeHeavyDocument();
    const double docMiB = DocumentBytes(doc) / 1048576.0;
    const QByteArray password = doc.Password.toUtf8();

    const double writeMs = MedianMs(runs, [&] { WriteCalFile(ours, doc); });
    const double writePeak = ExtraPeakMiB([&] { WriteCalFile(ours, doc); });
    QList<ArchiveMember> members{DataMember(doc)};
    members += PictureMembers(doc);
    const double zipWriteMs = MedianMs(runs, [&] { LibzipWrite(plain, members, password); });
    members.clear();

    CalendarDocument back;
    const double readMs = MedianMs(runs, [&] { ReadCalFile(ours, back); });
    back = CalendarDocument();
    const double readPeak = ExtraPeakMiB([&] { ReadCalFile(ours, back); });
    int pictures = back.DefaultBackground.Picture.isNull() ? 0 : 1;
    for (const MonthData& m : back.Months) pictures += m.Background.Picture.isNull() ? 0 : 1;
    const double zipReadMs = MedianMs(runs, [&] { LibzipRead(ours, password); });

    const QByteArray stream = WriteDataStream(doc);
    int parses = 0;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 1000 || parses < 3) {
        CalendarDocument parsed;
        ReadDataStream(stream, parsed);
        ++parses;
    }
    const double streamMBs = stream.size() * double(parses) / 1e6 / (t.nsecsElapsed() / 1e9);

    std::printf(
        "heavy document: %.1f MiB in memory, file %.2f MiB (libzip alone: %.2f MiB), stream %.2f MB\n",
        docMiB, QFile(ours).size() / 1048576.0, QFile(plain).size() / 1048576.0, stream.size() / 1e6);
    std::printf("pictures loaded on reading: %d of 13\n", pictures);
    std::printf("write: %7.1f ms   libzip alone %7.1f ms   ratio %.2f (target <= 1.5)\n", writeMs, zipWriteMs,
                writeMs / zipWriteMs);
    std::printf("read:  %7.1f ms   libzip alone %7.1f ms   ratio %.2f (target <= 0.6)\n", readMs, zipReadMs,
                readMs / zipReadMs);
    std::printf(
        "peak memory above resident: write %.1f MiB (%.2f x document), read %.1f MiB (%.2f x document)"
        " (target < 3)\n",
        writePeak, writePeak / docMiB, readPeak, readPeak / docMiB);
    std::printf("stream parse: %.0f MB/s (target >= 100), %d parses\n", streamMBs, parses);
    std::printf("peak resident memory of the run: %.1f MiB\n", PeakMemoryKiB() / 1024.0);
    return 0;
}
