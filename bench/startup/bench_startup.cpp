// Time from process start to the main window shown, for the program and for two minimal Qt
// Widgets programs launched alternately in the same run: the baseline (a main window with a
// toolbar, an MDI area and a label of French text) and, for comparison with earlier figures,
// a bare main window around an MDI area that shows no text.
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
    const QStringList probes = {QStringLiteral(PROBE_MINIMAL), QStringLiteral(PROBE_BASELINE),
                                QStringLiteral(PROBE_DAYBINDER)};
    QList<QList<double>> times(probes.size());
    for (const QString& probe : probes) LaunchOnce(probe); // warm the file cache for all
    for (int i = 0; i < runs; ++i) {
        for (qsizetype p = 0; p < probes.size(); ++p) {
            const double t = LaunchOnce(probes[p]);
            if (t < 0) {
                std::fprintf(stderr, "%s failed to show its window (platform %s)\n", qPrintable(probes[p]),
                             qPrintable(platform));
                return 1;
            }
            times[p].append(t);
        }
    }
    const Figures bare = Summarise(times[0]), base = Summarise(times[1]), prog = Summarise(times[2]);
    std::printf("start-up to main window shown, platform %s, %d runs each (ms)\n", qPrintable(platform),
                runs);
    const auto row = [](const char* name, const Figures& f) {
        std::printf("  %-44s: median %7.1f  min %7.1f  max %7.1f\n", name, f.median, f.min, f.max);
    };
    row("bare main window + MDI area (old baseline)", bare);
    row("main window, toolbar, MDI area, French text", base);
    row("Daybinder", prog);
    std::printf("  against the baseline: ratio of medians %.2f, of minimums %.2f (target: at most 1.30)\n",
                prog.median / base.median, prog.min / base.min);
    std::printf("  against the old baseline: ratio of medians %.2f, of minimums %.2f\n",
                prog.median / bare.median, prog.min / bare.min);
    std::printf("  (on a busy machine the minimums are the steadier figure: the longer start is the one\n"
                "   more often interrupted by other work)\n");
    return 0;
}
