#include "resources/Strings.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

struct Table
{
    QHash<int, QString> texts;
    QList<int> numbers;
};

const Table& TheTable()
{
    static const Table table = [] {
        Table t;
        QFile f(QStringLiteral(":/strings.tsv"));
        if (!f.open(QIODevice::ReadOnly)) {
            qWarning("string table missing from the resources");
            return t;
        }
        const QString all = QString::fromUtf8(f.readAll());
        for (QStringView line : QStringView(all).split(u'\n')) {
            const qsizetype tab = line.indexOf(u'\t');
            if (tab <= 0) continue;
            bool ok = false;
            const int n = line.left(tab).toInt(&ok);
            if (!ok) continue;
            t.texts.insert(n, line.mid(tab + 1).toString());
            t.numbers.append(n);
        }
        std::sort(t.numbers.begin(), t.numbers.end());
        return t;
    }();
    return table;
}

} // namespace

QString Str(int number)
{
    const auto& t = TheTable().texts;
    const auto it = t.constFind(number);
    if (it != t.constEnd()) return *it;
    static QSet<int> warned;
    if (!warned.contains(number)) {
        warned.insert(number);
        qWarning("string %d is not in the table", number);
    }
    return {};
}

bool HasStr(int number)
{
    return TheTable().texts.contains(number);
}

QList<int> StrNumbers()
{
    return TheTable().numbers;
}

QString DialogCaption(int number)
{
    return QStringLiteral("Daybinder - ") + Str(number);
}
