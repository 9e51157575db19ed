#pragma once
// What the recovery tests share: a session on a document written to disk, changes made as an
// editor makes them, and the copy read back as a user would open it.

#include "CalTestDocuments.h"
#include "calfile/CalFile.h"
#include "commands/DocumentCommands.h"
#include "document/Session.h"
#include "platform/Clock.h"
#include "recovery/RecoveryWriter.h"
#include "support/ScriptedPrompter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// A writer following the open document, with a timing that makes a test wait tenths of a second
// rather than seconds.
struct QuickWriter : RecoveryWriter
{
    QuickWriter()
    {
        Timing = RecoveryTiming{50, 200, 400, 300};
        Watch(Session::Get().History());
    }
};

struct RecoveryKit
{
    QTemporaryDir dir;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(9, 0))};
    ScriptedPrompter prompter;

    RecoveryKit()
    {
        qputenv("DAYBINDER_CONFIG_HOME", dir.filePath(u"config"_qs).toUtf8());
        qputenv("XDG_STATE_HOME", dir.filePath(u"state"_qs).toUtf8());
        Session::Get().Reset();
        Session::Get().SetModified(PartAll, false);
        Clock::Install(&clock);
    }

    ~RecoveryKit()
    {
        DocumentCommands::Get() = DocumentCommands();
        Clock::Install(nullptr);
        Session::Get().Reset();
    }

    QString Folder() const { return dir.filePath(u"state/Daybinder/recovery/"_qs); }

    // A document on disk, opened as the user opens it.
    QString OpenNew(const QString& name, const QString& password = {})
    {
        const QString path = dir.filePath(name);
        CalendarDocument doc = NewDocument();
        doc.Password = password;
        if (!WriteCalFile(path, doc)) qFatal("cannot write %s", qPrintable(path));
        prompter.Passwords = {password};
        DocumentCommands::Get().Open(path);
        return path;
    }

    // An entry added on 10 March, as the entry editor adds it.
    static void AddEntry(const QString& text)
    {
        Session& s = Session::Get();
        DayEntry e;
        e.Description = text;
        s.CurrentDocument.Month(3).Cell(10).Entries.append(e);
        s.SetModified(PartMonthEntries, true, 3);
    }

    static QStringList EntriesOn10March(const CalendarDocument& doc)
    {
        QStringList texts;
        for (const DayEntry& e : doc.Month(3).Cell(10).Entries) texts.append(e.Description);
        return texts;
    }

    // The copy as a user opens it; empty entries when it does not open.
    CalendarDocument ReadCopy(const QString& path, const QString& password = {})
    {
        prompter.Passwords = {password};
        CalendarDocument doc;
        if (!ReadCalFile(path, doc)) doc.Year.clear();
        return doc;
    }

    // Waits for the next copy the writer finishes; false after timeoutMs without one.
    static bool NextCopy(RecoveryWriter& writer, int timeoutMs = 10000)
    {
        QSignalSpy written(&writer, &RecoveryWriter::CopyWritten);
        return written.wait(timeoutMs) && written.first().at(1).toBool();
    }
};
