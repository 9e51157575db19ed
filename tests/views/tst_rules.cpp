#include <QTest>
class TestRules : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
