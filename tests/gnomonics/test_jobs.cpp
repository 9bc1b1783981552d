// Running a dial's independent pieces of work side by side: every job runs once whatever the
// number of jobs and threads, writes only its own result, and a failing job is reported to the
// caller only once no thread is still at work.

#include "testsupport.h"

#include "gnomonics/jobs.h"

#include <atomic>
#include <cmath>
#include <stdexcept>
#include <vector>

using namespace gnomonics;

class TestJobs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyJobRunsOnce_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("split");
        QTest::newRow("no job") << 0 << true;
        QTest::newRow("one job, split") << 1 << true;
        QTest::newRow("two jobs, split") << 2 << true;
        QTest::newRow("a dial's lines, split") << 300 << true;
        QTest::newRow("a dial's lines, one thread") << 300 << false;
        QTest::newRow("many small jobs, split") << 20000 << true;
    }
    void everyJobRunsOnce()
    {
        QFETCH(int, count);
        QFETCH(bool, split);
        std::vector<std::atomic<int>> runs(static_cast<std::size_t>(count));
        std::vector<double> results(static_cast<std::size_t>(count), -1.0);
        RunJobs(static_cast<std::size_t>(count), split, [&](std::size_t i) {
            ++runs[i];
            results[i] = std::sqrt(static_cast<double>(i));
        });
        for (int i = 0; i < count; ++i) {
            QCOMPARE(runs[static_cast<std::size_t>(i)].load(), 1);
            QCOMPARE(results[static_cast<std::size_t>(i)], std::sqrt(static_cast<double>(i)));
        }
    }

    void aFailingJobReachesTheCaller_data()
    {
        QTest::addColumn<bool>("split");
        QTest::newRow("split") << true;
        QTest::newRow("one thread") << false;
    }
    void aFailingJobReachesTheCaller()
    {
        QFETCH(bool, split);
        constexpr std::size_t count = 200;
        std::atomic<int> running{0};
        std::atomic<int> finished{0};
        bool caught = false;
        try {
            RunJobs(count, split, [&](std::size_t i) {
                ++running;
                if (i == 57) {
                    --running;
                    throw std::runtime_error("no room for the line");
                }
                ++finished;
                --running;
            });
        } catch (const std::runtime_error &e) {
            caught = QString::fromUtf8(e.what()) == QStringLiteral("no room for the line");
            // Nothing still runs once the failure is reported.
            QCOMPARE(running.load(), 0);
        }
        QVERIFY(caught);
        QVERIFY(finished.load() < static_cast<int>(count));
    }
};

QTEST_APPLESS_MAIN(TestJobs)
#include "test_jobs.moc"
