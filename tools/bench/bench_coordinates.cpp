// How long the designer's "Coordinate" tab takes to fill in for a crowded dial: a 20 m plate
// with every hour system and every kind of date line on, thirty "Altre date" among them, some
// twenty thousand points. Times the rows of the
// file, the table taking them, and the whole look at the tab (fill, column widths, one paint),
// best and median of repeated looks. The tab promises to fill within 0,3 s. Not a test: run it
// by hand (QT_QPA_PLATFORM=offscreen is enough).

#include "designer/quadrante.h"
#include "drawing/csvwriter.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDate>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void report(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s best %8.2f ms  median %8.2f ms\n", what, ms.front(), ms[ms.size() / 2]);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    project::Project p;
    p.declinationDeg = 20;
    p.summerTime = true;
    p.halfHours = true;
    p.clock = true;
    p.italic = true;
    p.babylonian = true;
    p.zodiac = true;
    p.monthFirsts = true;
    // The thirty "Altre date" a dial may carry, one every twelve days.
    p.days.clear();
    for (int k = 0; k < 30; ++k) {
        const QDate day = QDate(2026, 1, 5).addDays(12 * k);
        p.days.push_back(day.toString(QStringLiteral("dd/MM/yyyy")).toStdString());
    }
    p.plateWidthMm = 20000;
    p.plateHeightMm = 20000;
    p.footFromLeftMm = 10000;
    p.footFromTopMm = 5000;
    // A nodus of 1,5 m spreads the lines over the whole plate: some twenty thousand points.
    p.gnomonMm = argc > 1 ? std::atof(argv[1]) : 1500;
    // bench_coordinates NODUS STEP INCLINATION: the largest project the designer takes, with
    // the temporary hours, the quarters and lines of azimuth and altitude every STEP degrees
    // besides (a 100 mm nodus, step 1 and a horizontal plate: some sixty thousand rows).
    if (argc > 2) {
        p.temporary = p.quarterHours = true;
        p.azimuthStepDeg = p.altitudeStepDeg = std::atof(argv[2]);
        p.inclinationDeg = argc > 3 ? std::atof(argv[3]) : 0.0;
    }

    designer::Quadrante window;
    window.resize(1400, 900);
    window.setProject(p, QString());
    window.show();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("Schede"));
    auto *table = window.findChild<QTableView *>(QStringLiteral("TabellaCoordinate"));
    if (!tabs || !table || !window.dial().ok) {
        std::fprintf(stderr, "no dial or no table\n");
        return 1;
    }

    std::vector<double> rows, look;
    std::size_t points = 0;
    for (int run = 0; run < 7; ++run) {
        auto start = std::chrono::steady_clock::now();
        points = drawing::DialCsvRowsShown(window.dial().lines).size();
        rows.push_back(since(start));

        tabs->setCurrentIndex(0);
        window.redrawNow(); // the table is stale again: the next look fills it anew
        start = std::chrono::steady_clock::now();
        tabs->setCurrentWidget(table);
        table->viewport()->repaint();
        look.push_back(since(start));
    }
    std::printf("%zu points, %d rows in the table\n", points, table->model()->rowCount());
    report("rows of the file", rows);
    report("look at the tab (fill and paint)", look);
    return 0;
}
