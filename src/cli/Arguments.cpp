#include "cli/Arguments.h"

CliArguments ParseCliArguments(const QStringList& args, bool allowPassword)
{
    CliArguments out;
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (options && a == u"--") {
            options = false;
        } else if (options && allowPassword && a == u"--password") {
            if (i + 1 == args.size()) {
                out.Error = QStringLiteral("--password needs a value");
                return out;
            }
            out.Password = args[++i];
        } else if (options && allowPassword && a.startsWith(u"--password=")) {
            out.Password = a.mid(11);
        } else if (options && a.startsWith(u'-') && a.size() > 1) {
            out.Error = QStringLiteral("unknown option %1").arg(a);
            return out;
        } else {
            out.Positional.append(a);
        }
    }
    return out;
}
