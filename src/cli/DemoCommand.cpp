#include "cli/DemoCommand.h"

#include "calfile/CalFile.h"
#include "cli/Arguments.h"
#include "cli/CliPrompter.h"
#include "cli/FileCommands.h"
#include "document/Money.h"
#include "document/Session.h"
#include "entries/AutoEvents.h"
#include "entries/Birthdays.h"
#include "entries/DayEntries.h"
#include "entries/DebtsSavings.h"
#include "entries/Occurrences.h"
#include "platform/Clock.h"

#include <cstdio>

namespace {

constexpr int kFirstYear = 2002; // the first year a document may have

// Colours as the document stores them (0x00BBGGRR).
constexpr qint32 kRed = 0x0000C0;
constexpr qint32 kPurple = 0x800080;
constexpr qint32 kGreen = 0x008000;
constexpr qint32 kBlue = 0xC00000;
constexpr qint32 kOrange = 0x0080FF;
constexpr qint32 kPink = 0xA040E0;
constexpr qint32 kNoColour = -1;

struct ExampleEvent
{
    int Month;
    int Day;
    const char16_t* Text;
    qint32 Colour;
};

// Three or more events a month; texts fit the event editor's 17 characters.
constexpr ExampleEvent kEvents[] = {
    {1, 1, u"Jour de l'An", kRed},
    {1, 14, u"Dentiste 9h30", kNoColour},
    {1, 22, u"Souper chez Marc", kNoColour},
    {2, 3, u"Réunion parents", kNoColour},
    {2, 14, u"Saint-Valentin", kPink},
    {2, 21, u"Ski avec Julie", kNoColour},
    {3, 8, u"Vaccin du chat", kNoColour},
    {3, 17, u"Cours de yoga", kNoColour},
    {4, 5, u"Vidange voiture", kNoColour},
    {4, 12, u"Impôts à remettre", kRed},
    {4, 26, u"Jardinage", kGreen},
    {5, 9, u"Fête des mères", kPink},
    {5, 16, u"Banque 10h", kNoColour},
    {5, 24, u"Randonnée", kGreen},
    {6, 6, u"Fin des classes", kNoColour},
    {6, 21, u"Fête des pères", kBlue},
    {6, 24, u"Fête nationale", kBlue},
    {7, 4, u"Départ au chalet", kGreen},
    {7, 15, u"Retour du chalet", kGreen},
    {7, 27, u"Barbecue voisins", kNoColour},
    {8, 19, u"Garage: pneus", kNoColour},
    {8, 30, u"Achats rentrée", kNoColour},
    {9, 2, u"Rentrée scolaire", kBlue},
    {9, 14, u"Réunion d'école", kNoColour},
    {9, 23, u"Cueillette pommes", kGreen},
    {10, 11, u"Souper de famille", kNoColour},
    {10, 18, u"Vaccin grippe", kNoColour},
    {10, 31, u"Halloween", kOrange},
    {11, 6, u"Changer les pneus", kNoColour},
    {11, 15, u"Dentiste 14h", kNoColour},
    {11, 27, u"Théâtre 20h", kPurple},
    {12, 5, u"Marché de Noël", kRed},
    {12, 25, u"Noël en famille", kRed},
    {12, 31, u"Fête du Nouvel An", kRed},
};

// The day before Christmas Eve fills its cell beyond seven lines.
constexpr const char16_t* kBusyDay[] = {u"Courses de Noël", u"Emballer cadeaux", u"Appeler mamie",
                                        u"Pâtisseries",     u"Décorer le sapin", u"Cartes de voeux",
                                        u"Ménage du salon"};

struct ExampleMoney
{
    int Month; // 0: every month
    int Day;   // 0: the last day of the month
    qint32 Type;
    const char16_t* Name;
    const char16_t* Amount;
};

// "Prêt auto" pays the car loan down; "Vacances" puts money aside, and takes it out in July.
constexpr ExampleMoney kMoney[] = {
    {0, 5, EntryExpense, u"Prêt auto", u"320"},  {0, 15, EntryIncome, u"Salaire", u"1225"},
    {0, 0, EntryIncome, u"Salaire", u"1225"},    {0, 26, EntryExpense, u"Vacances", u"150"},
    {4, 30, EntryIncome, u"Impôts", u"640"},     {7, 4, EntryIncome, u"Vacances", u"1200"},
    {7, 4, EntryExpense, u"Chalet", u"600"},     {8, 30, EntryExpense, u"Papeterie", u"210"},
    {8, 23, EntryIncome, u"Vente vélo", u"180"}, {12, 23, EntryExpense, u"Cadeaux", u"450"},
    {3, 8, EntryExpense, u"Véto", u"95.50"},
};

// The electricity bill follows the seasons.
constexpr int kHydro[12] = {140, 130, 110, 85, 70, 60, 60, 62, 70, 90, 115, 135};

class ExampleYear
{
public:
    explicit ExampleYear(int year) : m_year(year) {}

    void Build()
    {
        Session& s = Session::Get();
        s.CurrentDocument = s.BlankDocument(true);
        SetDocumentDefaults(s.CurrentDocument, m_year);
        s.CurrentDocument.Author = QStringLiteral("Exemple");
        AddAccount(false, u"Prêt auto", u"9600");
        AddAccount(true, u"Vacances", u"800");

        for (const ExampleEvent& e : kEvents)
            Add(e.Month, e.Day, EntryEvent, QString::fromUtf16(e.Text), e.Colour);
        for (const char16_t* text : kBusyDay) Add(12, 23, EntryEvent, QString::fromUtf16(text), kNoColour);
        for (const ExampleMoney& m : kMoney) {
            for (int month = 1; month <= 12; ++month) {
                if (m.Month != 0 && m.Month != month) continue;
                const int day = m.Day ? m.Day : DaysInMonth(m_year, month);
                AddMoney(month, day, m.Type, QString::fromUtf16(m.Name), QString::fromUtf16(m.Amount));
            }
        }
        for (int month = 1; month <= 12; ++month) {
            AddMoney(month, 10, EntryExpense, QStringLiteral("Hydro"), QString::number(kHydro[month - 1]));
            // Groceries every second Saturday, never quite the same amount.
            for (int day = 1; day <= DaysInMonth(m_year, month); ++day) {
                if (WeekdayOf(MakeDate(day, month, m_year), true) != 7 || (day - 1) / 7 % 2) continue;
                AddMoney(month, day, EntryExpense, QStringLiteral("Épicerie"),
                         QString::number(95 + day * 37 % 60));
            }
        }
        AddRecurring();
        s.SetModified(PartAll, false);
    }

    int Entries() const { return m_entries; }

private:
    // The rent as an auto-event on the 1st, two birthdays; their occurrences already behind
    // today are ticked off like the other bills.
    void AddRecurring()
    {
        AutoEventFormValues rent = AutoEventFormForAdd(Session::Get().CurrentDocument);
        rent.Event.Choice = ChoiceExpense;
        rent.Event.Description = QStringLiteral("Loyer");
        rent.Event.Amount = QStringLiteral("850");
        SaveAutoEventForm(EditorAdd, -1, rent);
        SaveBirthdayForm(EditorAdd, -1, {QStringLiteral("Léa"), MakeDate(28, 3, 2015)});
        SaveBirthdayForm(EditorAdd, -1, {QStringLiteral("Paul"), MakeDate(8, 8, 1982)});
        CalendarDocument& doc = Session::Get().CurrentDocument;
        m_entries += UpdateAutoEvents(doc).Added + UpdateBirthdays(doc).Added;
        const QString rentKey = doc.AE.AutoEvents.constFirst().Key;
        for (int month = 1; month <= 12; ++month) {
            const DateRec first = MakeDate(1, month, m_year);
            const QList<DayEntry>& entries = DayOf(month, CellOfDate(first))->Entries;
            for (int i = 0; i < entries.size(); ++i)
                if (entries[i].LinkKey == rentKey && IsPast(first))
                    SetTicked(month, CellOfDate(first), i, true);
        }
    }

    void AddAccount(bool savings, const char16_t* name, const char16_t* amount)
    {
        DebtSavingDef account;
        account.IsSavings = savings;
        account.Description = MoneyDescription(QString::fromUtf16(name), QString::fromUtf16(amount));
        account.StartDate = MakeDate(1, 1, m_year);
        DebtList.Add(account);
    }

    // Bills and pay already behind today are ticked off, as a user keeps them.
    void AddMoney(int month, int day, qint32 type, const QString& name, const QString& amount)
    {
        const DateRec date = MakeDate(day, month, m_year);
        const int index = Add(month, day, type, MoneyDescription(name, amount), kNoColour);
        if (index >= 0 && IsPast(date)) SetTicked(month, CellOfDate(date), index, true);
    }

    int Add(int month, int day, qint32 type, const QString& description, qint32 colour)
    {
        DayEntry entry;
        entry.EntryType = type;
        entry.Description = description;
        entry.TextColour = colour;
        entry.AlarmDaysBefore = 1;
        const int cell = CellOfDate(MakeDate(day, month, m_year));
        if (!AppendEntry(month, cell, entry)) return -1;
        ++m_entries;
        return DayOf(month, cell)->EntryCount() - 1;
    }

    // Before today in the current year; a past year is all behind, a coming one only its January.
    bool IsPast(const DateRec& date) const
    {
        const QDate today = Clock::Current().Today();
        const QDate d(date.Year, date.Month, date.Day);
        if (m_year == today.year()) return d < today;
        return m_year < today.year() || date.Month == 1;
    }

    int m_year;
    int m_entries = 0;
};

} // namespace

int RunDemo(const QStringList& args)
{
    const QString yearOption = QStringLiteral("--year");
    const auto a = CommandArguments(args, {yearOption}, 1, "demo OUT.cal [--year YYYY]");
    if (!a) return ExitFailed;
    const int thisYear = Clock::Current().Today().year();
    int year = thisYear;
    if (const std::optional<QString> text = a->Value(yearOption)) {
        bool ok = false;
        year = text->toInt(&ok);
        if (!ok || year < kFirstYear || year > thisYear + 10) {
            PrintError(QStringLiteral("daybinder-cli: --year takes a year from %1 to %2")
                           .arg(kFirstYear)
                           .arg(thisYear + 10));
            return ExitFailed;
        }
    }

    CliPrompter prompter(std::nullopt);
    ExampleYear example(year);
    example.Build();
    const QString& out = a->Positional[0];
    if (!WriteCalFile(out, Session::Get().CurrentDocument)) return ExitFailed;
    const QByteArray line = QStringLiteral("%1: the year %2, %3 entries, %4 accounts\n")
                                .arg(out)
                                .arg(year)
                                .arg(example.Entries())
                                .arg(Session::Get().CurrentDocument.DE.DECount())
                                .toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return ExitOk;
}
