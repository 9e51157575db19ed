#include "calfile/FileError.h"

#include "resources/Strings.h"

#include <cerrno>
#include <zip.h>

namespace {

const QString kProgramSource = QStringLiteral("Daybinder");
const QString kArchiveSource = QStringLiteral("libzip");

QString ProgramErrorText(qint32 number)
{
    switch (number) {
    case ErrOverflow:
        return QStringLiteral("Dépassement de capacité");
    case ErrOutOfMemory:
        return QStringLiteral("Mémoire insuffisante (fichier trop volumineux)");
    case ErrTypeMismatch:
        return QStringLiteral("Type incompatible");
    case ErrFileNotFound:
        return QStringLiteral("Fichier introuvable");
    case ErrDeviceIO:
        return QStringLiteral("Erreur d'entrée/sortie de périphérique");
    case ErrDiskFull:
        return QStringLiteral("Disque plein");
    case ErrPastEndOfFile:
        return QStringLiteral("Entrée au-delà de la fin du fichier");
    case ErrPermissionDenied:
        return QStringLiteral("Permission refusée");
    case ErrPathFileAccess:
        return QStringLiteral("Erreur d'accès au chemin/fichier");
    case ErrPathNotFound:
        return QStringLiteral("Chemin d'accès introuvable");
    }
    return QStringLiteral("Erreur d'application");
}

QString ArchiveErrorText(int code)
{
    switch (code) {
    case ZIP_ER_MULTIDISK:
        return QStringLiteral("Les archives en plusieurs volumes ne sont pas prises en charge");
    case ZIP_ER_SEEK:
    case ZIP_ER_READ:
        return QStringLiteral("Erreur de lecture de l'archive");
    case ZIP_ER_WRITE:
        return QStringLiteral("Erreur d'écriture de l'archive");
    case ZIP_ER_CRC:
        return QStringLiteral("Erreur de contrôle (CRC) dans l'archive");
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
        return QStringLiteral("Données compressées non valides");
    case ZIP_ER_MEMORY:
        return QStringLiteral("Mémoire insuffisante");
    case ZIP_ER_COMPNOTSUPP:
        return QStringLiteral("Méthode de compression non prise en charge");
    case ZIP_ER_EOF:
        return QStringLiteral("Fin prématurée de l'archive");
    case ZIP_ER_NOENT:
        return QStringLiteral("Élément introuvable dans l'archive");
    case ZIP_ER_NOZIP:
        return QStringLiteral("Le fichier n'est pas une archive ZIP");
    case ZIP_ER_INCONS:
        return QStringLiteral("Archive ZIP incohérente");
    case ZIP_ER_ENCRNOTSUPP:
        return QStringLiteral("Méthode de chiffrement non prise en charge");
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
        return Str(10047);
    }
    return QStringLiteral("Erreur de l'archive ZIP");
}

QString Trimmed(const QString& s)
{
    // Blanks only, as the program has always trimmed.
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ') ++b;
    while (e > b && s[e - 1] == u' ') --e;
    return s.mid(b, e - b);
}

} // namespace

FileError ProgramError(qint32 number)
{
    return {number, ProgramErrorText(number), kProgramSource};
}

FileError SystemError(int err, bool writing)
{
    switch (err) {
    case ENOENT:
        return ProgramError(writing ? ErrPathNotFound : ErrFileNotFound);
    case ENOTDIR:
        return ProgramError(ErrPathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return ProgramError(ErrPermissionDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ProgramError(ErrDiskFull);
    case EIO:
        return ProgramError(ErrDeviceIO);
    case ENOMEM:
        return ProgramError(ErrOutOfMemory);
    }
    return ProgramError(ErrPathFileAccess);
}

FileError ArchiveError(int zipErrorCode)
{
    return {kArchiveErrorBase + zipErrorCode, ArchiveErrorText(zipErrorCode), kArchiveSource};
}

PromptRequest FileErrorMessage(const QString& fileName, FileErrorKind kind, bool writing,
                               const FileError& error, const QString& extra)
{
    const QChar cr(u'\r');
    PromptRequest r;
    r.Title = Str(10036);
    r.Icon = PromptIcon::Stop;
    r.Buttons = PromptButtons::Ok;
    r.Text = Str(writing ? 10033 : 10032) + cr + Trimmed(fileName) + cr + cr;

    if (writing && kind != FileErrorKind::System) {
        r.Icon = PromptIcon::None;
        return r;
    }
    switch (kind) {
    case FileErrorKind::System:
        r.Text += Str(10038) + QStringLiteral("  ") + QString::number(error.Number) + cr + Str(10039) +
                  QStringLiteral("  ") + Trimmed(error.Description) + cr + Str(10040) + QStringLiteral("  ") +
                  Trimmed(error.Source);
        r.Buttons = PromptButtons::RetryCancel;
        break;
    case FileErrorKind::UnknownVersion:
        r.Text += Str(10035);
        break;
    case FileErrorKind::EmbeddedPicture:
        r.Text += Str(10034) + cr + cr + Str(10037) + cr + Trimmed(extra);
        break;
    case FileErrorKind::ReferencedPicture:
        r.Text += Str(10034) + cr + cr + Str(10046) + cr + Trimmed(extra);
        break;
    case FileErrorKind::WrongPassword:
        r.Text += Str(10047);
        break;
    }
    return r;
}

PromptAnswer ReportFileError(const QString& fileName, FileErrorKind kind, bool writing,
                             const FileError& error, const QString& extra)
{
    return Prompter::Current().Ask(FileErrorMessage(fileName, kind, writing, error, extra));
}

bool RunWithRetry(const QString& fileName, bool writing, BusyCursor& busy,
                  const std::function<bool(FileError* error)>& step)
{
    for (;;) {
        FileError error;
        if (step(&error)) return true;
        busy.Restore();
        const PromptAnswer answer = ReportFileError(fileName, FileErrorKind::System, writing, error);
        busy.Resume();
        if (answer != PromptAnswer::Retry) return false;
    }
}
