// Time from process start to the main window shown, for the program and for a minimal Qt
// Widgets program with a main window and an MDI area, launched alternately in the same run.
// The platform is whatever QT_QPA_PLATFORM says (offscreen, or xcb under xvfb-run).
// Usage: bench_startup [runs]

#include "ShownProbe.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

// Milliseconds to the first paint, or a negative value when the probe failed.
double LaunchOnce(const QString& program)
{
    QTemporaryDir config; // a first start every time: no settings, no running instance
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DAYBINDER_CONFIG_HOME"), config.path());
    QProcess p;
    env.insert(QStringLiteral("DAYBINDER_BENCH_LAUNCH_NS"), QString::number(ShownProbe::NowNs()));
    p.setProcessEnvironment(env);
    p.start(program, {});
    if (!p.waitForFinished(60000)) {
        p.kill();
        return -1;
    }
    const QByteArray out = p.readAllStandardOutput();
    const qsizetype at = out.indexOf("shown ");
    return at < 0 ? -1 : out.mid(at + 6).trimmed().toDouble();
}

struct Figures
{
    double median = 0;
    double min = 0;
    double max = 0;
};

Figures Summarise(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.first(), v.last()};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("(default)"));
    QList<double> program, minimal;
    LaunchOnce(QStringLiteral(PROBE_MINIMAL)); // warm the file cache for both
    LaunchOnce(QStringLiteral(PROBE_DAYBINDER));
    for (int i = 0; i < runs; ++i) {
        const double m = LaunchOnce(QStringLiteral(PROBE_MINIMAL));
        const double d = LaunchOnce(QStringLiteral(PROBE_DAYBINDER));
        if (m < 0 || d < 0) {
            std::fprintf(stderr, "a probe failed to show its window (platform %s)\n", qPrintable(platform));
            return 1;
        }
        minimal.append(m);
        program.append(d);
    }
    const Figures fm = Summarise(minimal), fd = Summarise(program);
    std::printf("start-up to main window shown, platform %s, %d runs each (ms)\n", qPrintable(platform),
                runs);
    std::printf("  minimal Qt main window + MDI area: median %7.1f  min %7.1f  max %7.1f\n", fm.median,
                fm.min, fm.max);
    std::printf("  Daybinder                       : median %7.1f  min %7.1f  max %7.1f\n", fd.median, fd.min,
                fd.max);
    std::printf("  ratio of medians: %.2f, of minimums: %.2f (target: at most 2.00)\n", fd.median / fm.median,
                fd.min / fm.min);
    std::printf("  (on a busy machine the minimums are the steadier figure: the longer start is the one\n"
                "   more often interrupted by other work)\n");
    return 0;
}
