#include "interchange/InterchangeFiles.h"

#include "calfile/FileBytes.h"
#include "interchange/BudgetCsv.h"
#include "interchange/IcsExport.h"

#include <QFileInfo>

namespace {

QString Quoted(const QString& path)
{
    return QStringLiteral("« %1 »").arg(QFileInfo(path).fileName());
}

QString ImportMessage(const QString& path, const IcsImportResult& r, int year)
{
    switch (r.Status) {
    case IcsReadStatus::NotCalendar:
        return QStringLiteral("Le fichier %1 n'est pas un calendrier iCalendar (.ics): rien n'a été importé.")
            .arg(Quoted(path));
    case IcsReadStatus::Damaged:
        return QStringLiteral("Le fichier %1 est endommagé ou incomplet: rien n'a été importé.")
            .arg(Quoted(path));
    case IcsReadStatus::Read:
        break;
    }
    QString text =
        r.Added == 0 ? QStringLiteral("Aucun événement de l'année %1 dans le fichier %2: rien n'a été "
                                      "importé.")
                           .arg(year)
                           .arg(Quoted(path))
        : r.Added == 1
            ? QStringLiteral("1 événement importé du fichier %1.").arg(Quoted(path))
            : QStringLiteral("%1 événements importés du fichier %2.").arg(r.Added).arg(Quoted(path));
    if (r.Refused > 0)
        text +=
            QStringLiteral("\r%1 événement(s) laissé(s) de côté: leur journée est pleine.").arg(r.Refused);
    if (r.CharactersReplaced)
        text += QStringLiteral(
            "\rDes caractères que le calendrier ne peut pas conserver ont été remplacés par « ? ».");
    return text;
}

} // namespace

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
    return QStringLiteral("Impossible d'écrire le fichier %1: %2").arg(Quoted(path), error.Description);
}

ImportOutcome ImportFromFile(const QString& path, CalendarDocument& doc, const QTimeZone& local)
{
    ImportOutcome outcome;
    QByteArray bytes;
    FileError error;
    if (!ReadWholeFile(path, kMaxIcsSize, &bytes, &error)) {
        outcome.Failed = true;
        outcome.Message =
            QStringLiteral("Impossible de lire le fichier %1: %2").arg(Quoted(path), error.Description);
        return outcome;
    }
    outcome.Result = ImportCalendar(bytes, doc, local);
    outcome.Failed = outcome.Result.Status != IcsReadStatus::Read;
    outcome.Imported = outcome.Result.Added > 0;
    outcome.Message = ImportMessage(path, outcome.Result, doc.YearNumber());
    return outcome;
}
