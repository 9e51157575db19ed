#include "cli/SummaryCommands.h"

#include "cli/Arguments.h"
#include "cli/CliPrompter.h"
#include "cli/FileCommands.h"
#include "document/Money.h"
#include "entries/Balances.h"
#include "entries/DayEntries.h"
#include "resources/Strings.h"
#include "summary/SummaryTotals.h"

#include <QDate>
#include <QRegularExpression>

namespace {

const QString kDate = QStringLiteral("--date");
const QString kSpan = QStringLiteral("--span");
const QString kAccount = QStringLiteral("--account");

const char* const kSummaryUsage =
    "summary FILE.cal --date YYYY-MM-DD --span day|month|week|two-weeks [--password P]";
const char* const kBalanceUsage = "balance FILE.cal --account NAME --date YYYY-MM-DD [--password P]";

int Fail(const QString& reason)
{
    PrintError(QStringLiteral("daybinder-cli: ") + reason);
    return ExitFailed;
}

// "2026-12-28" exactly, and a day that exists.
std::optional<DateRec> DateArgument(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!form.match(text).hasMatch()) return std::nullopt;
    const QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) return std::nullopt;
    return FromQDate(d);
}

// The day of --date once every option the command needs is there; nothing after saying what is
// wrong.
std::optional<DateRec> NeededDate(const CliArguments& a, const QStringList& needed, const char* usage)
{
    for (const QString& option : needed)
        if (!a.Value(option)) {
            PrintUsageError(option + QStringLiteral(" is missing"), usage);
            return std::nullopt;
        }
    const std::optional<DateRec> date = DateArgument(*a.Value(kDate));
    if (!date) Fail(QStringLiteral("--date needs a day written YYYY-MM-DD, not %1").arg(*a.Value(kDate)));
    return date;
}

bool WriteLines(const QStringList& lines)
{
    return WriteStandardOutput((lines.join(u'\n') + u'\n').toUtf8());
}

} // namespace

int RunSummary(const QStringList& args)
{
    const auto a = CommandArguments(args, {kPasswordOption, kDate, kSpan}, 1, kSummaryUsage);
    if (!a) return ExitFailed;
    const std::optional<DateRec> date = NeededDate(*a, {kDate, kSpan}, kSummaryUsage);
    if (!date) return ExitFailed;
    const int type =
        QStringList{u"day"_qs, u"month"_qs, u"week"_qs, u"two-weeks"_qs}.indexOf(*a->Value(kSpan));
    if (type < 0)
        return Fail(QStringLiteral("--span is day, month, week or two-weeks, not %1").arg(*a->Value(kSpan)));

    CalendarDocument doc;
    if (const int status = OpenDocumentFile(a->Positional[0], a->Value(kPasswordOption), doc)) return status;
    if (date->Year != doc.YearNumber())
        return Fail(QStringLiteral("%1 is not a day of %2, which holds the year %3")
                        .arg(DateToText(*date), a->Positional[0], QString::number(doc.YearNumber())));

    const SummaryTexts t = TextsOf(ComputeSummary(doc, type, date->Month, CellOfDate(*date), *date));
    const QStringList values{t.From, t.To, t.Incomes, t.Expenses, t.Total};
    QStringList lines;
    for (int i = 0; i < values.size(); ++i) lines.append(Str(278 + i) + u' ' + values[i]);
    return WriteLines(lines) ? ExitOk : ExitFailed;
}

int RunBalance(const QStringList& args)
{
    const auto a = CommandArguments(args, {kPasswordOption, kAccount, kDate}, 1, kBalanceUsage);
    if (!a) return ExitFailed;
    const std::optional<DateRec> date = NeededDate(*a, {kAccount, kDate}, kBalanceUsage);
    if (!date) return ExitFailed;

    CalendarDocument doc;
    if (const int status = OpenDocumentFile(a->Positional[0], a->Value(kPasswordOption), doc)) return status;
    // An account is found by its name as an entry ties to it: the first 10 characters, trimmed.
    DayEntry named;
    named.Description = MoneyDescription(*a->Value(kAccount), {});
    const int account = AccountOfEntry(doc, named);
    if (account < 0)
        return Fail(QStringLiteral("%1 has no debt or savings account named \"%2\"")
                        .arg(a->Positional[0], *a->Value(kAccount)));
    return WriteLines({AccountBalanceLabels(doc, account, *date).Value}) ? ExitOk : ExitFailed;
}
