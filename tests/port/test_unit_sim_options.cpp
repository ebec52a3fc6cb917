#include "SimOptions.h"

#include <QtTest>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const QString& line) {
    std::vector<std::string> args;
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        args.push_back(word.toStdString());
    return args;
}

}  // namespace

class TestUnitSimOptions : public QObject {
    Q_OBJECT

private slots:
    void accepted();
    void rejected_data();
    void rejected();
};

void TestUnitSimOptions::accepted() {
    ign::SimOptions options;
    std::string error;
    QVERIFY(ign::ParseSimOptions(Split("--silent --drop 0.25 --corrupt 1 --split --delay 40 --wrong-echo "
                                       "--stuck 220 --seed 4294967295 --monitor-ms 0 --link /tmp/x --blank "
                                       "--trace /tmp/t --answer-ms 7"),
                                 options, error));
    QVERIFY(options.faults.silent);
    QCOMPARE(options.faults.dropRate, 0.25);
    QCOMPARE(options.faults.corruptRate, 1.0);
    QVERIFY(options.faults.splitAnswers);
    QCOMPARE(options.faults.answerDelayMs, 40);
    QVERIFY(options.faults.wrongEcho);
    QCOMPARE(options.faults.stuckOffset, 220);
    QCOMPARE(options.tracePath, std::string("/tmp/t"));
    QCOMPARE(options.faults.seed, 4294967295u);
    QCOMPARE(options.monitorMs, 0);
    QCOMPARE(options.linkPath, std::string("/tmp/x"));
    QVERIFY(options.blank);
    QCOMPARE(options.answerMs, 7);
    QVERIFY(!options.help);

    ign::SimOptions plain;
    QVERIFY(ign::ParseSimOptions({}, plain, error));
    QCOMPARE(plain.monitorMs, 100);
    QCOMPARE(plain.answerMs, 2);
    QVERIFY(!plain.faults.silent);
    QVERIFY(!plain.blank);
    QVERIFY(ign::ParseSimOptions({"--help"}, plain, error));
    QVERIFY(plain.help);
}

void TestUnitSimOptions::rejected_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("unknown option") << "--verbose";
    QTest::newRow("missing value") << "--drop";
    QTest::newRow("rate above one") << "--drop 1.5";
    QTest::newRow("negative rate") << "--corrupt -0.1";
    QTest::newRow("rate with junk") << "--drop 0.5x";
    QTest::newRow("stuck below image") << "--stuck 0";
    QTest::newRow("stuck past image") << "--stuck 221";
    QTest::newRow("negative delay") << "--delay -5";
    QTest::newRow("seed too large") << "--seed 4294967296";
    QTest::newRow("monitor not a number") << "--monitor-ms fast";
    QTest::newRow("negative answer time") << "--answer-ms -1";
}

void TestUnitSimOptions::rejected() {
    QFETCH(QString, line);
    ign::SimOptions options;
    std::string error;
    QVERIFY(!ign::ParseSimOptions(Split(line), options, error));
    QVERIFY(!error.empty());
}

QTEST_GUILESS_MAIN(TestUnitSimOptions)
#include "test_unit_sim_options.moc"
