#pragma once
// The data stream "caldata.cal": every stored field of a document, one quoted value per line,
// Windows-1252 text, CR LF line ends, in a fixed order. The writer and the reader are the only
// code that knows that order.

#include "calfile/FileError.h"
#include "document/CalendarDocument.h"

#include <QByteArray>
#include <QByteArrayView>

enum class StreamStatus
{
    Loaded,
    UnknownVersion,
    ReadError
};

struct StreamReadResult
{
    StreamStatus Status = StreamStatus::ReadError;
    FileError Error;    // a read error: number, description (naming the line) and source
    qsizetype Line = 0; // the line reading stopped at, from 1
    bool Loaded() const { return Status == StreamStatus::Loaded; }
};

// The version "2.1" stream of the document, byte for byte. Characters the stream cannot carry
// are replaced: a double quote or a line feed by a blank, anything outside Windows-1252 by "?".
QByteArray WriteDataStream(const CalendarDocument& doc);

// The lines one entry takes in the stream.
QByteArray EntryRecord(const DayEntry& entry);

// Reads a version "2.1" or "2.0" stream into target, which should be a blank document. Only a
// Loaded result leaves a complete document; otherwise target is partly filled and must be
// discarded. Lists grow as their records are read, so a false count costs nothing.
StreamReadResult ReadDataStream(QByteArrayView stream, CalendarDocument& target);
