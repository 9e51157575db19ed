#include "calfile/CalMembers.h"

#include "calfile/DataStream.h"
#include "calfile/Parallel.h"
#include "calfile/Pictures.h"
#include "calfile/SyncMember.h"

#include <vector>

namespace {

QString TwoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

void AddEntryPictures(CalendarDocument& doc, QList<PictureSlot>& found, bool withMembers)
{
    for (int m = 1; m <= 12; ++m) {
        for (int c = kFirstCell; c <= kLastCell; ++c) {
            QList<DayEntry>& entries = doc.Month(m).Cell(c).Entries;
            for (qsizetype i = 0; i < entries.size(); ++i) {
                DayEntry& e = entries[i];
                if (e.PicturePath.isEmpty()) continue;
                found.append({withMembers ? EntryPictureMemberName(m, c, int(i)) : QString(), &e.PicturePath,
                              &e.Picture});
            }
        }
    }
}

} // namespace

QByteArray MemberField(const QString& text)
{
    return text.toUtf8().toPercentEncoding();
}

QString MemberFieldText(QByteArrayView field)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(field.toByteArray()));
}

QString BackgroundMemberName(int month)
{
    return QStringLiteral("bck.") + TwoDigits(month);
}

QString EntryPictureMemberName(int month, int cell, int index)
{
    return QStringLiteral("ev.") + TwoDigits(month) + TwoDigits(cell) +
           QStringLiteral("%1").arg(index, 4, 10, QLatin1Char('0'));
}

QList<PictureSlot> EmbeddedPictures(CalendarDocument& doc)
{
    QList<PictureSlot> found;
    BackgroundSettings& d = doc.DefaultBackground;
    if (!d.PicturePath.isEmpty()) found.append({BackgroundMemberName(0), &d.PicturePath, &d.Picture});
    for (int m = 1; m <= 12; ++m) {
        BackgroundSettings& b = doc.Month(m).Background;
        if (!b.PicturePath.isEmpty() && !b.UseDefault)
            found.append({BackgroundMemberName(m), &b.PicturePath, &b.Picture});
    }
    AddEntryPictures(doc, found, true);
    return found;
}

QList<PictureSlot> ReferencedPictures(CalendarDocument& doc)
{
    QList<PictureSlot> found;
    BackgroundSettings& d = doc.DefaultBackground;
    if (!d.PicturePath.isEmpty()) found.append({QString(), &d.PicturePath, &d.Picture});
    for (int m = 1; m <= 12; ++m) {
        BackgroundSettings& b = doc.Month(m).Background;
        if (!b.PicturePath.isEmpty()) found.append({QString(), &b.PicturePath, &b.Picture});
    }
    AddEntryPictures(doc, found, false);
    return found;
}

ArchiveMember DataMember(const CalendarDocument& doc)
{
    return {kDataMemberName, WriteDataStream(doc), true};
}

QList<ArchiveMember> PictureMembers(CalendarDocument& doc)
{
    const QList<PictureSlot> found = EmbeddedPictures(doc);
    std::vector<QByteArray> bitmaps(size_t(found.size()));
    ParallelFor(int(found.size()), [&](int, int i) { bitmaps[size_t(i)] = EncodeBitmap(*found[i].Picture); });
    QList<ArchiveMember> members;
    for (qsizetype i = 0; i < found.size(); ++i)
        if (!bitmaps[size_t(i)].isEmpty())
            members.append({found[i].Member, std::move(bitmaps[size_t(i)]), false});
    return members;
}

QList<ArchiveMember> CalFileMembers(CalendarDocument& doc, const std::function<void(int text)>& step)
{
    const auto tell = [&](int text) {
        if (step) step(text);
    };
    tell(10025);
    QList<ArchiveMember> members{DataMember(doc)};
    members += SyncMembers(doc);
    tell(10026);
    if (doc.EmbedPictures) members += PictureMembers(doc);
    tell(10027);
    return members;
}
