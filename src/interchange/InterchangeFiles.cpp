#include "interchange/InterchangeFiles.h"

#include "calfile/FileBytes.h"
#include "interchange/BudgetCsv.h"
#include "interchange/IcsExport.h"
#include "interchange/ImportReport.h"
#include "resources/Strings.h"

#include <QFileInfo>

namespace {

ImportOutcome Imported(QByteArrayView bytes, const QString& notCalendar, CalendarDocument& doc,
                       const QTimeZone& local)
{
    ImportOutcome outcome;
    outcome.Result = ImportCalendar(bytes, doc, local);
    outcome.Failed = outcome.Result.Status != IcsReadStatus::Read;
    outcome.Imported = outcome.Result.Added > 0;
    outcome.Message = outcome.Failed ? notCalendar : ImportReport(outcome.Result, doc.YearNumber());
    return outcome;
}

QString QuotedFileName(const QString& path)
{
    return Quoted(QFileInfo(path).fileName());
}

} // namespace

QString Quoted(const QString& text)
{
    return QStringLiteral("« %1 »").arg(text);
}

QString NotCalendarMessage(const QUrl& address)
{
    return Str(27013).arg(Quoted(address.toDisplayString()));
}

ExportFormat FormatOfPath(const QString& path)
{
    return QFileInfo(path).suffix().compare(u"csv", Qt::CaseInsensitive) == 0 ? ExportFormat::Csv
                                                                              : ExportFormat::ICalendar;
}

QString ExportToFile(const CalendarDocument& doc, const QString& path, ExportFormat format,
                     const QDateTime& now)
{
    const QByteArray bytes = format == ExportFormat::Csv ? BudgetCsv(doc) : ExportCalendar(doc, now);
    FileError error;
    if (ReplaceFile(path, bytes, &error)) return {};
    return Str(27012).arg(QuotedFileName(path), error.Description);
}

ImportOutcome ImportFromFile(const QString& path, CalendarDocument& doc, const QTimeZone& local)
{
    QByteArray bytes;
    FileError error;
    if (!ReadWholeFile(path, kMaxIcsSize, &bytes, &error)) {
        ImportOutcome outcome;
        outcome.Failed = true;
        outcome.Message = Str(27011).arg(QuotedFileName(path), error.Description);
        return outcome;
    }
    return Imported(bytes, Str(27010).arg(QuotedFileName(path)), doc, local);
}

ImportOutcome ImportDownloaded(const QByteArray& bytes, const QUrl& address, CalendarDocument& doc,
                               const QTimeZone& local)
{
    return Imported(bytes, NotCalendarMessage(address), doc, local);
}
