#pragma once
// daybinder-cli sync: one exchange between a ".cal" file and its calendar on a CalDAV server.

#include <QStringList>

// sync FILE.cal [--url URL --user U] [--password P] [--sync-password-file F] [--allow-http]:
// the server's password from DAYBINDER_SYNC_PASSWORD or the first line of F, never from the
// command line. FILE.cal is written (atomically) when the exchange changed it; the report goes to
// standard output.
int RunSync(const QStringList& args);
