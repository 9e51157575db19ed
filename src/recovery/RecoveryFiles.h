#pragma once
// Recovery copies on disk: while a document has unsaved changes, a complete ".cal" file of it is
// kept in a folder of the user's state, so that a crash or a power cut costs only the last
// seconds of work. Beside the members of the document, a copy holds a short note, the member
// "recovery.dat" (never protected: it is read before any password is asked): the path of the
// document it was made of, when it was made, and the process that wrote it. Readers that do not
// know the note pass over it, so a copy opens as any ".cal" file does.

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

// $XDG_STATE_HOME/Daybinder/recovery/, or ~/.local/state/Daybinder/recovery/ when the variable
// is unset, empty or not an absolute path; with a trailing separator.
QString RecoveryFolder();

struct RecoveryNote
{
    QString Document; // absolute path of the document; empty for an unnamed one
    QDateTime Made;   // when the document was as the copy holds it
    qint64 ProcessId = 0;
    QString Host;
};

QByteArray RecoveryNoteText(const RecoveryNote& note);
// False when the text is not a note (the fields read so far are kept).
bool ReadRecoveryNote(QByteArrayView text, RecoveryNote* note);

struct RecoveryCopy
{
    QString Path; // the copy itself
    RecoveryNote Note;
    bool NoteRead = false; // false: a damaged copy, dated by its file

    // Whether the document it was made of is still where it was.
    bool DocumentExists() const;
    // Whether it holds changes its document may not have: made after the document was last
    // written, or of a document that is unnamed, gone or unknown.
    bool WorthOffering() const;
    // Whether a program still running keeps it up to date (another instance of this machine).
    bool KeptByRunningProgram() const;
};

// What a copy says about itself, without its password: its note, or when that cannot be read,
// the date of the file.
RecoveryCopy InspectCopy(const QString& path);

// Every ".cal" file of the folder, the most recently made first.
QList<RecoveryCopy> RecoveryCopies(const QString& folder);

// Whether two paths name the same document (relative paths are taken from the current folder).
bool SameDocument(const QString& a, const QString& b);

// A free name in folder for a copy of the document: its file name with ".cal" (the text "Sans
// nom" for an unnamed one), then " (2)", " (3)"... before the extension while one is taken.
QString NewCopyPath(const QString& folder, const QString& document);
