// daybinder-cli: the program's logic without a screen, for scripts and for checking files.

#include <QCoreApplication>
#include <QTextStream>

namespace {

int Usage()
{
    QTextStream(stderr) << "usage: daybinder-cli COMMAND [ARGS]\n";
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return Usage();
    QTextStream(stderr) << "daybinder-cli: unknown command " << args.first() << '\n';
    return 1;
}
