// Sending a report page: every line in order, and a refusal anywhere cancels the document.

#include "testsupport.h"

#include "sheet/report.h"

#include <vector>

namespace {

// Records what a printer would be asked to do, and refuses at a chosen step.
class RecordingSink final : public sheet::PageSink {
public:
    int refuseAtLine = -1;
    bool refuseBegin = false;
    bool refuseEnd = false;
    std::vector<std::string> calls;

    bool begin(int fontPt) override
    {
        calls.push_back("begin " + std::to_string(fontPt));
        return !refuseBegin;
    }
    bool printLine(double x, double y, const std::string &text) override
    {
        const int index = lines++;
        calls.push_back("line " + std::to_string(int(x)) + " " + std::to_string(int(y)) + " " + text);
        return index != refuseAtLine;
    }
    bool end() override
    {
        calls.push_back("end");
        return !refuseEnd;
    }
    void cancel() override { calls.push_back("cancel"); }

private:
    int lines = 0;
};

sheet::ReportPage twoLines()
{
    sheet::ReportPage page;
    page.fontPt = 9;
    page.add(12, 20, "first");
    page.add(40, 260, "second");
    return page;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sendsEveryLineInOrder()
    {
        RecordingSink sink;
        QVERIFY(sheet::PrintPage(twoLines(), sink));
        const std::vector<std::string> want{"begin 9", "line 12 20 first", "line 40 260 second", "end"};
        QCOMPARE(sink.calls, want);
    }

    void refusalCancels_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("printer cannot begin") << 0;
        QTest::newRow("second line refused") << 1;
        QTest::newRow("end of document refused") << 2;
    }
    void refusalCancels()
    {
        QFETCH(int, step);
        RecordingSink sink;
        sink.refuseBegin = step == 0;
        sink.refuseAtLine = step == 1 ? 1 : -1;
        sink.refuseEnd = step == 2;
        QVERIFY(!sheet::PrintPage(twoLines(), sink));
        QCOMPARE(sink.calls.back(), std::string("cancel"));
        if (step == 0)
            QCOMPARE(sink.calls.size(), std::size_t(2)); // no line was sent after the refusal
    }
};

QTEST_APPLESS_MAIN(TestReport)
#include "test_report.moc"
