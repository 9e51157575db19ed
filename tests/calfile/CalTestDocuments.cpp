#include "CalTestDocuments.h"

#include "document/Money.h"

#include <QFile>
#include <QFileInfo>

namespace {

#define DIFF(field, name)                                                                                    \
    if ((a.field) != (b.field)) return QStringLiteral(name)

QString BackgroundDiff(const BackgroundSettings& a, const BackgroundSettings& b, const QString& where)
{
    if (a.Mode != b.Mode || a.PicturePath != b.PicturePath || a.UseDefault != b.UseDefault)
        return where + QStringLiteral(" background");
    return {};
}

QString ColoursDiff(const ColourSettings& a, const ColourSettings& b, const QString& where)
{
    for (int n = 1; n <= 9; ++n)
        if (a.Colour(n) != b.Colour(n)) return where + QStringLiteral(" Colour%1").arg(n);
    if (a.ShowGrids != b.ShowGrids || a.UseDefault != b.UseDefault)
        return where + QStringLiteral(" colour flags");
    return {};
}

QString EntryDiff(const DayEntry& a, const DayEntry& b, const QString& where)
{
    if (a.AlarmOn != b.AlarmOn || a.AlarmDaysBefore != b.AlarmDaysBefore || a.AlarmSound != b.AlarmSound)
        return where + QStringLiteral(" alarm");
    if (a.Ticked != b.Ticked || a.Description != b.Description || a.EntryType != b.EntryType ||
        a.TextColour != b.TextColour || a.PicturePath != b.PicturePath || a.LinkKey != b.LinkKey)
        return where;
    return {};
}

} // namespace

QString StoredDifference(const CalendarDocument& a, const CalendarDocument& b)
{
    DIFF(Author, "Author");
    DIFF(MonthToOpen, "MonthToOpen");
    DIFF(Year, "Year");
    DIFF(EmbedPictures, "EmbedPictures");
    DIFF(AE.AENextId, "AENextId");
    DIFF(BD.BDNextId, "BDNextId");
    DIFF(AE.AutoEvents.size(), "AECount");
    DIFF(BD.Birthdays.size(), "BDCount");
    DIFF(DE.DebtsSavings.size(), "DECount");
    for (qsizetype i = 0; i < a.AE.AutoEvents.size(); ++i) {
        const AutoEventDef &x = a.AE.AutoEvents[i], &y = b.AE.AutoEvents[i];
        if (AutoEventDiffers(x, y) || x.Key != y.Key) return QStringLiteral("auto-event %1").arg(i);
    }
    for (qsizetype i = 0; i < a.BD.Birthdays.size(); ++i) {
        const BirthdayDef &x = a.BD.Birthdays[i], &y = b.BD.Birthdays[i];
        if (BirthdayDiffers(x, y) || x.Key != y.Key) return QStringLiteral("birthday %1").arg(i);
    }
    for (qsizetype i = 0; i < a.DE.DebtsSavings.size(); ++i)
        if (DebtSavingDiffers(a.DE.DebtsSavings[i], b.DE.DebtsSavings[i]))
            return QStringLiteral("debt %1").arg(i);
    for (int m = 1; m <= 12; ++m) {
        for (int c = kFirstCell; c <= kLastCell; ++c) {
            const auto &x = a.Month(m).Cell(c).Entries, &y = b.Month(m).Cell(c).Entries;
            const QString where = QStringLiteral("month %1 cell %2").arg(m).arg(c);
            if (x.size() != y.size()) return where + QStringLiteral(" count");
            for (qsizetype i = 0; i < x.size(); ++i)
                if (QString d = EntryDiff(x[i], y[i], where); !d.isEmpty()) return d;
        }
        const QString month = QStringLiteral("month %1").arg(m);
        if (QString d = BackgroundDiff(a.Month(m).Background, b.Month(m).Background, month); !d.isEmpty())
            return d;
        if (QString d = ColoursDiff(a.Month(m).Colours, b.Month(m).Colours, month); !d.isEmpty()) return d;
    }
    if (QString d = BackgroundDiff(a.DefaultBackground, b.DefaultBackground, QStringLiteral("default"));
        !d.isEmpty())
        return d;
    return ColoursDiff(a.DefaultColours, b.DefaultColours, QStringLiteral("default"));
}

CalendarDocument FullDocument()
{
    CalendarDocument doc;
    SetDocumentDefaults(doc, 2004);
    doc.Author = QStringLiteral("Œuvre € été");
    doc.MonthToOpen = QStringLiteral("3");
    doc.EmbedPictures = false;
    doc.DefaultBackground = {2, QStringLiteral("/images/défaut.bmp"), {}, false, true};
    doc.DefaultColours.Colour4 = 0x123456;
    doc.DefaultColours.ShowGrids = false;
    for (int m = 1; m <= 12; ++m) {
        MonthData& month = doc.Month(m);
        month.Background = {m % 3, QStringLiteral("/images/mois %1.bmp").arg(m), {}, false, m % 2 == 0};
        for (int n = 1; n <= 9; ++n) month.Colours.Colour(n) = m * 1000 + n;
        month.Colours.UseDefault = m % 2 == 1;
        month.Colours.ShowGrids = m % 3 == 0;
    }
    doc.AE.AutoEvents.append({KindYearly, 14, 7, MakeDate(1, 1, 2004), MakeDate(31, 12, 2004),
                              MakeKey(u"AE", 7), QStringLiteral("Fête nationale"), EntryEvent});
    doc.AE.AutoEvents.append({KindWeekly, 2, 0, MakeDate(5, 1, 2004), MakeDate(28, 6, 2004),
                              MakeKey(u"AE", 3), MoneyDescription(u"Loyer", u"650.50"), EntryExpense});
    doc.AE.AENextId = 7;
    doc.BD.Birthdays.append({MakeDate(29, 2, 1960), MakeKey(u"BD", 2), QStringLiteral("Zoé Œhlenschläger")});
    doc.BD.BDNextId = 2;
    doc.DE.DebtsSavings.append({true, MakeDate(1, 3, 2004), MoneyDescription(u"Épargne", u"1500")});
    doc.DE.DebtsSavings.append({false, MakeDate(9, 9, 2004), MoneyDescription(u"Voiture", u"-4000")});

    DayEntry e;
    e.AlarmOn = true;
    e.AlarmDaysBefore = 2147483647;
    e.AlarmSound = 32767;
    e.Ticked = true;
    e.Description = QStringLiteral("Rendez-vous « chez » le médecin… ™");
    e.EntryType = EntryEvent;
    e.TextColour = -2147483647 - 1;
    e.PicturePath = QStringLiteral("/images/médecin.jpg");
    e.LinkKey = MakeKey(u"AE", 7);
    doc.Month(3).Cell(10).Entries.append(e);
    DayEntry money;
    money.Description = MoneyDescription(u"Salaire", u"2000");
    money.EntryType = EntryIncome;
    money.AlarmSound = -32768;
    doc.Month(3).Cell(10).Entries.append(money);
    doc.Month(12).Cell(48).Entries.append(money);
    return doc;
}

QByteArray StreamOf(const QByteArrayList& values)
{
    QByteArray out;
    for (const QByteArray& v : values) out += '"' + v + "\"\r\n";
    return out;
}

QByteArrayList ValuesOf(const QByteArray& stream)
{
    QByteArrayList values;
    for (QByteArray line : stream.split('\n')) {
        if (line.isEmpty()) continue;
        line.chop(1); // CR
        values.append(line.mid(1, line.size() - 2));
    }
    return values;
}

QImage TestPicture(int seed, QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x * 7 + seed) & 0xFF, (y * 11) & 0xFF, ((x ^ y) * seed) & 0xFF));
    return img;
}

bool SamePixels(const QImage& a, const QImage& b)
{
    return !a.isNull() && a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

void CreatePictureFiles(CalendarDocument& doc, const QString& folder, QSize size)
{
    int seed = 0;
    auto create = [&](QString& path, QImage& picture) {
        if (path.isEmpty()) return;
        path = folder + u'/' + QFileInfo(path).fileName();
        picture = TestPicture(++seed, size);
        picture.save(path);
    };
    create(doc.DefaultBackground.PicturePath, doc.DefaultBackground.Picture);
    for (MonthData& m : doc.Months) {
        create(m.Background.PicturePath, m.Background.Picture);
        for (DayCell& c : m.Cells)
            for (DayEntry& e : c.Entries) create(e.PicturePath, e.Picture);
    }
}

QByteArray TinyGif()
{
    return QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                      ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                      35);
}

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool SaveBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
