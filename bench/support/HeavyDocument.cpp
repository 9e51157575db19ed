#include "HeavyDocument.h"

#include "document/Money.h"

#include <QFile>
#include <QPainter>

QImage MakeBenchPicture(int width, int height, int seed)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 3 + seed * 17) & 0xFF, (y * 5 + x / 7) & 0xFF, ((x ^ y) + seed) & 0xFF);
    }
    return img;
}

CalendarDocument MakeHeavyDocument(int year)
{
    CalendarDocument doc;
    SetDocumentDefaults(doc, year);
    doc.Author = QStringLiteral("Banc d'essai – Œuvre € été");
    doc.Password = QStringLiteral("secret");

    doc.DefaultBackground.Mode = 1;
    doc.DefaultBackground.PicturePath = QStringLiteral("/pictures/default.bmp");
    doc.DefaultBackground.Picture = MakeBenchPicture(673, 481, 0);
    for (int m = 1; m <= 12; ++m) {
        BackgroundSettings& b = doc.Month(m).Background;
        b.UseDefault = false;
        b.Mode = m % 2 ? 1 : 2;
        b.PicturePath = QStringLiteral("/pictures/month%1.bmp").arg(m);
        b.Picture = MakeBenchPicture(673, 481, m);
    }

    for (int i = 0; i < 20; ++i) {
        DebtSavingDef d;
        d.IsSavings = i % 2;
        d.StartDate = MakeDate(1 + i, 1, year);
        d.Description = MoneyDescription(QStringLiteral("Compte%1").arg(i), QString::number(1000 + i * 50));
        doc.DE.DebtsSavings.append(d);
    }
    for (int i = 0; i < 50; ++i) {
        AutoEventDef a;
        a.Kind = 4 + i % 5;
        a.Day = qint16(1 + i % 28);
        a.Month = qint16(1 + i % 12);
        a.StartDate = MakeDate(1, 1, year);
        a.EndDate = MakeDate(31, 12, year);
        a.Key = MakeKey(u"AE", ++doc.AE.AENextId);
        a.EntryType = 1 + i % 3;
        a.Description = a.EntryType == EntryEvent
                            ? QStringLiteral("Réunion %1").arg(i)
                            : MoneyDescription(QStringLiteral("Auto%1").arg(i), u"42.50");
        doc.AE.AutoEvents.append(a);
    }
    for (int i = 0; i < 100; ++i) {
        BirthdayDef b;
        b.BirthDate = MakeDate(1 + i % 28, 1 + i % 12, 1950 + i % 60);
        b.Key = MakeKey(u"BD", ++doc.BD.BDNextId);
        b.Name = QStringLiteral("Personne numéro %1").arg(i);
        doc.BD.Birthdays.append(b);
    }
    for (int m = 1; m <= 12; ++m) {
        for (int c = kFirstCell; c <= kLastCell; ++c) {
            DayCell& cell = doc.Month(m).Cell(c);
            for (int k = 0; k < 20; ++k) {
                DayEntry e;
                e.EntryType = 1 + (k + c) % 3;
                e.Description =
                    e.EntryType == EntryEvent
                        ? QStringLiteral("Rendez-vous %1 chez le médecin").arg(k)
                        : MoneyDescription(QStringLiteral("Compte%1").arg(k), QString::number(k * 7.5));
                e.AlarmOn = k % 4 == 0;
                e.AlarmDaysBefore = k % 5;
                e.AlarmSound = qint16(k % 11);
                e.Ticked = k % 3 == 0;
                e.TextColour = k % 6 == 0 ? 0x0000FF : -1;
                if (k == 0 && c % 7 == 0) e.LinkKey = MakeKey(u"AE", 1 + c % 50);
                cell.Entries.append(e);
            }
        }
    }
    return doc;
}

namespace {

long StatusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    const qsizetype n = qsizetype(qstrlen(field));
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(n).trimmed().split(' ').value(0).toLong();
    return 0;
}

qint64 TextBytes(const QString& s)
{
    return qint64(sizeof(QString)) + s.size() * 2;
}

} // namespace

long PeakMemoryKiB()
{
    return StatusKiB("VmHWM:");
}

long CurrentMemoryKiB()
{
    return StatusKiB("VmRSS:");
}

void ResetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

qint64 DocumentBytes(const CalendarDocument& doc)
{
    qint64 n = sizeof(CalendarDocument) + doc.DefaultBackground.Picture.sizeInBytes();
    for (const MonthData& m : doc.Months) {
        n += m.Background.Picture.sizeInBytes() + TextBytes(m.Background.PicturePath);
        for (const DayCell& c : m.Cells)
            for (const DayEntry& e : c.Entries)
                n += sizeof(DayEntry) + e.Picture.sizeInBytes() + e.Description.size() * 2 +
                     e.PicturePath.size() * 2 + e.LinkKey.size() * 2;
    }
    for (const AutoEventDef& a : doc.AE.AutoEvents)
        n += sizeof a + TextBytes(a.Description) + TextBytes(a.Key);
    for (const BirthdayDef& b : doc.BD.Birthdays) n += sizeof b + TextBytes(b.Name) + TextBytes(b.Key);
    for (const DebtSavingDef& d : doc.DE.DebtsSavings) n += sizeof d + TextBytes(d.Description);
    return n;
}
