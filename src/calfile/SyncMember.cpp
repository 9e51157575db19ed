#include "calfile/SyncMember.h"

#include "calfile/CalMembers.h"
#include "calfile/DataStream.h"

#include <QCryptographicHash>
#include <QSet>
#include <optional>

namespace {

const QByteArray kHeader = QByteArrayLiteral("DAYBINDER-SYNC 1");

// A short check of what the stream holds of an entry.
QByteArray EntryCheck(const DayEntry& entry)
{
    return QCryptographicHash::hash(EntryRecord(entry), QCryptographicHash::Sha1).toHex().left(16);
}

struct EntryLine
{
    int Month = 0;
    int Cell = 0;
    int Line = 0;
    QByteArray Check;
    QString Uid;
};

struct Parsed
{
    SyncState State;
    QList<EntryLine> Entries;
};

std::optional<int> Number(QByteArrayView field)
{
    bool ok = false;
    const int n = field.toByteArray().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

bool ParseLine(const QList<QByteArray>& f, Parsed& out)
{
    const QByteArray& key = f[0];
    if (key == "url" && f.size() == 2)
        out.State.CollectionUrl = MemberFieldText(f[1]);
    else if (key == "user" && f.size() == 2)
        out.State.UserName = MemberFieldText(f[1]);
    else if (key == "token" && f.size() == 2)
        out.State.SyncToken = MemberFieldText(f[1]);
    else if (key == "year" && f.size() == 2) {
        const auto year = Number(f[1]);
        if (!year) return false;
        out.State.Year = *year;
    } else if (key == "record" && f.size() == 6) {
        SyncRecord r{MemberFieldText(f[1]), MemberFieldText(f[2]), MemberFieldText(f[3]),
                     MemberFieldText(f[4]), f[5] == "1"};
        if (r.Uid.isEmpty() || r.Href.isEmpty() || out.State.Records.contains(r.Uid)) return false;
        out.State.Records.insert(r.Uid, r);
    } else if (key == "entry" && f.size() == 6) {
        const auto m = Number(f[1]), c = Number(f[2]), l = Number(f[3]);
        if (!m || !c || !l || MemberFieldText(f[5]).isEmpty()) return false;
        out.Entries.append({*m, *c, *l, f[4], MemberFieldText(f[5])});
    } else {
        return false;
    }
    return true;
}

std::optional<Parsed> Parse(QByteArrayView text)
{
    const QList<QByteArray> lines = text.toByteArray().split('\n');
    if (lines.isEmpty() || lines[0].trimmed() != kHeader) return std::nullopt;
    Parsed out;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        if (!ParseLine(line.split('\t'), out)) return std::nullopt;
    }
    if (!out.State.Configured()) return std::nullopt;
    return out;
}

} // namespace

QByteArray SyncMemberText(const CalendarDocument& doc)
{
    const SyncState& s = doc.Sync;
    QByteArray out = kHeader + '\n';
    out += "url\t" + MemberField(s.CollectionUrl) + '\n';
    out += "user\t" + MemberField(s.UserName) + '\n';
    out += "year\t" + QByteArray::number(s.Year) + '\n';
    out += "token\t" + MemberField(s.SyncToken) + '\n';
    for (const SyncRecord& r : s.Records)
        out += "record\t" + MemberField(r.Uid) + '\t' + MemberField(r.Href) + '\t' + MemberField(r.ETag) +
               '\t' + MemberField(r.Fingerprint) + '\t' + (r.SeriesDay ? '1' : '0') + '\n';
    for (int m = 1; m <= 12; ++m)
        for (int c = kFirstCell; c <= kLastCell; ++c) {
            const QList<DayEntry>& entries = doc.Month(m).Cell(c).Entries;
            for (qsizetype i = 0; i < entries.size(); ++i)
                if (!entries[i].Uid.isEmpty())
                    out += "entry\t" + QByteArray::number(m) + '\t' + QByteArray::number(c) + '\t' +
                           QByteArray::number(i) + '\t' + EntryCheck(entries[i]) + '\t' +
                           MemberField(entries[i].Uid) + '\n';
        }
    return out;
}

QList<ArchiveMember> SyncMembers(const CalendarDocument& doc)
{
    if (!doc.Sync.Configured()) return {};
    return {{kSyncMemberName, SyncMemberText(doc), true}};
}

bool ReadSyncMember(QByteArrayView text, CalendarDocument& doc)
{
    doc.Sync = SyncState();
    const std::optional<Parsed> parsed = Parse(text);
    if (!parsed) return false;
    doc.Sync = parsed->State;
    QSet<QString> placed;
    for (const EntryLine& e : parsed->Entries) {
        DayEntry* entry = nullptr;
        if (ValidMonth(e.Month) && ValidCell(e.Cell)) {
            QList<DayEntry>& entries = doc.Month(e.Month).Cell(e.Cell).Entries;
            if (e.Line >= 0 && e.Line < entries.size()) entry = &entries[e.Line];
        }
        const bool same =
            entry && entry->Uid.isEmpty() && !placed.contains(e.Uid) && EntryCheck(*entry) == e.Check;
        if (same) {
            entry->Uid = e.Uid;
            placed.insert(e.Uid);
        } else if (!placed.contains(e.Uid) && doc.Sync.Records.remove(e.Uid)) {
            doc.Sync.SyncToken.clear();
        }
    }
    return true;
}
