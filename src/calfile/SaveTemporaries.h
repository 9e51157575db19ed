#pragma once
// The temporary files of a save: the new file is written beside the old one under a hidden name
// that says which process of which machine writes it. A save killed halfway leaves its file
// behind; the next save in that folder removes those whose process is gone.

#include <QString>

// The name template of a save's temporary file in folder (which ends with a separator), ready
// for CreateUnique: ".daybinder-save.<process id>.<host>.XXXXXX".
QString SaveTemporaryTemplate(const QString& folder);

// Whether name is a temporary file of a save, and then the process and host that wrote it.
bool ParseSaveTemporary(const QString& name, qint64* processId, QString* host);

// Removes from folder the temporary files that saves on this machine left when their process
// ended before them: only files of the current user, with our name, whose process is gone. A
// file that cannot be removed stays. Returns how many were removed.
int RemoveAbandonedSaveTemporaries(const QString& folder);

// This machine's name as file names carry it: letters, digits, "-", "_" and "." only.
QString ThisHostName();

// Whether the process of this machine may still be running: alive, or one we cannot tell about.
bool ProcessMayBeRunning(qint64 processId);
