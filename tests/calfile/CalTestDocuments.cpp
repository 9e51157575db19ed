#include "CalTestDocuments.h"

#include "document/Money.h"

#include <QFileInfo>

namespace {

QString BackgroundDiff(const BackgroundSettings& a, const BackgroundSettings& b, const QString& where)
{
    const bool same = a.Mode == b.Mode && a.PicturePath == b.PicturePath && a.UseDefault == b.UseDefault;
    return same ? QString() : where + u" background"_qs;
}

QString ColoursDiff(const ColourSettings& a, const ColourSettings& b, const QString& where)
{
    for (int n = 1; n <= 9; ++n)
        if (a.Colour(n) != b.Colour(n)) return where + u" Colour%1"_qs.arg(n);
    const bool same = a.ShowGrids == b.ShowGrids && a.UseDefault == b.UseDefault;
    return same ? QString() : where + u" colour flags"_qs;
}

template <class T, class Same>
QString ListDiff(const QList<T>& a, const QList<T>& b, const char* name, Same same)
{
    if (a.size() != b.size()) return u"%1 count"_qs.arg(QLatin1String(name));
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i])) return u"%1 %2"_qs.arg(QLatin1String(name)).arg(i);
    return {};
}

bool SameEntry(const DayEntry& a, const DayEntry& b)
{
    return a.AlarmOn == b.AlarmOn && a.AlarmDaysBefore == b.AlarmDaysBefore && a.AlarmSound == b.AlarmSound &&
           a.Ticked == b.Ticked && a.Description == b.Description && a.EntryType == b.EntryType &&
           a.TextColour == b.TextColour && a.PicturePath == b.PicturePath && a.LinkKey == b.LinkKey;
}

} // namespace

QString StoredDifference(const CalendarDocument& a, const CalendarDocument& b)
{
    if (a.Author != b.Author || a.MonthToOpen != b.MonthToOpen || a.Year != b.Year) return u"header"_qs;
    if (a.EmbedPictures != b.EmbedPictures) return u"EmbedPictures"_qs;
    if (a.AE.AENextId != b.AE.AENextId || a.BD.BDNextId != b.BD.BDNextId) return u"next ids"_qs;
    QString d = ListDiff(a.AE.AutoEvents, b.AE.AutoEvents, "auto-event", [](const auto& x, const auto& y) {
        return !AutoEventDiffers(x, y) && x.Key == y.Key;
    });
    if (d.isEmpty())
        d = ListDiff(a.BD.Birthdays, b.BD.Birthdays, "birthday",
                     [](const auto& x, const auto& y) { return !BirthdayDiffers(x, y) && x.Key == y.Key; });
    if (d.isEmpty())
        d = ListDiff(a.DE.DebtsSavings, b.DE.DebtsSavings, "debt",
                     [](const auto& x, const auto& y) { return !DebtSavingDiffers(x, y); });
    for (int m = 1; m <= 12 && d.isEmpty(); ++m) {
        const QString month = u"month %1"_qs.arg(m);
        for (int c = kFirstCell; c <= kLastCell && d.isEmpty(); ++c) {
            d = ListDiff(a.Month(m).Cell(c).Entries, b.Month(m).Cell(c).Entries, "entry", SameEntry);
            if (!d.isEmpty()) d = month + u" cell %1 "_qs.arg(c) + d;
        }
        if (d.isEmpty()) d = BackgroundDiff(a.Month(m).Background, b.Month(m).Background, month);
        if (d.isEmpty()) d = ColoursDiff(a.Month(m).Colours, b.Month(m).Colours, month);
    }
    if (d.isEmpty()) d = BackgroundDiff(a.DefaultBackground, b.DefaultBackground, u"default"_qs);
    return d.isEmpty() ? ColoursDiff(a.DefaultColours, b.DefaultColours, u"default"_qs) : d;
}

CalendarDocument NewDocument(int year)
{
    CalendarDocument doc = BlankDocumentFrom(CalendarDocument());
    SetDocumentDefaults(doc, year);
    return doc;
}

CalendarDocument FullDocument()
{
    CalendarDocument doc;
    SetDocumentDefaults(doc, 2004);
    doc.Author = u"Œuvre € été"_qs;
    doc.MonthToOpen = u"3"_qs;
    doc.EmbedPictures = false;
    doc.DefaultBackground = {2, u"/images/défaut.bmp"_qs, {}, false, true};
    doc.DefaultColours.Colour4 = 0x123456;
    doc.DefaultColours.ShowGrids = false;
    for (int m = 1; m <= 12; ++m) {
        MonthData& month = doc.Month(m);
        month.Background = {m % 3, u"/images/mois %1.bmp"_qs.arg(m), {}, false, m % 2 == 0};
        for (int n = 1; n <= 9; ++n) month.Colours.Colour(n) = m * 1000 + n;
        month.Colours.UseDefault = m % 2 == 1;
        month.Colours.ShowGrids = m % 3 == 0;
    }
    doc.AE.AutoEvents.append({KindYearly, 14, 7, MakeDate(1, 1, 2004), MakeDate(31, 12, 2004),
                              MakeKey(u"AE", 7), u"Fête nationale"_qs, EntryEvent});
    doc.AE.AutoEvents.append({KindWeekly, 2, 0, MakeDate(5, 1, 2004), MakeDate(28, 6, 2004),
                              MakeKey(u"AE", 3), MoneyDescription(u"Loyer", u"650.50"), EntryExpense});
    doc.AE.AENextId = 7;
    doc.BD.Birthdays.append({MakeDate(29, 2, 1960), MakeKey(u"BD", 2), u"Zoé Œhlenschläger"_qs});
    doc.BD.BDNextId = 2;
    doc.DE.DebtsSavings.append({true, MakeDate(1, 3, 2004), MoneyDescription(u"Épargne", u"1500")});
    doc.DE.DebtsSavings.append({false, MakeDate(9, 9, 2004), MoneyDescription(u"Voiture", u"-4000")});

    DayEntry e;
    e.AlarmOn = true;
    e.AlarmDaysBefore = 2147483647;
    e.AlarmSound = 32767;
    e.Ticked = true;
    e.Description = u"Rendez-vous « chez » le médecin… ™"_qs;
    e.EntryType = EntryEvent;
    e.TextColour = -2147483647 - 1;
    e.PicturePath = u"/images/médecin.jpg"_qs;
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
    for (QByteArray line : stream.split('\n'))
        if (!line.isEmpty()) values.append(line.mid(1, line.size() - 3)); // without the quotes and CR
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
