// How long the engine takes to build every line of a busy dial: apparent time with half hours,
// zone-time analemmas for 24 hours at one point a day, Italic and Babylonian hours, every date
// line. Prints the best and the median of repeated builds. Not a test: run it by hand.

#include "gnomonics/diallines.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main()
{
    gnomonics::DialSpec design;
    design.place = {45.4642, 9.19, 1.0, true};
    design.declinationDeg = 20;
    design.inclinationDeg = 0;
    design.gnomonMm = 100;
    design.year = 2026;
    design.hours.apparent = true;
    design.hours.halfHours = true;
    design.hours.clock = true;
    design.hours.analemma = gnomonics::AnalemmaMode::Whole;
    design.hours.italic = true;
    design.hours.babylonian = true;
    design.dates.solsticesEquinoxes = true;
    design.dates.zodiac = true;
    design.dates.monthFirsts = true;
    design.dates.dates = {{2026, 8, 15}};
    design.plate = {-500, 500, -600, 200, 0, {}};

    std::vector<double> ms;
    std::size_t points = 0;
    for (int run = 0; run < 15; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const gnomonics::DialLines dial = gnomonics::BuildDialLines(design);
        const auto stop = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        points = 0;
        for (const auto &line : dial.lines)
            for (const auto &piece : line.pieces)
                points += piece.size();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("every line of the dial (%zu points): best %.1f ms, median %.1f ms\n", points,
                ms.front(), ms[ms.size() / 2]);

    const gnomonics::DialLines dial = gnomonics::BuildDialLines(design);
    const auto start = std::chrono::steady_clock::now();
    const auto crossings = gnomonics::FindCrossings(dial, gnomonics::LineFamily::ApparentTime,
                                                    gnomonics::LineFamily::DateLine);
    const auto analemma = gnomonics::FindCrossings(dial, gnomonics::LineFamily::ClockTime,
                                                   gnomonics::LineFamily::DateLine);
    const auto stop = std::chrono::steady_clock::now();
    std::printf("crossings hour x date %zu, analemma x date %zu: %.1f ms\n", crossings.size(),
                analemma.size(), std::chrono::duration<double, std::milli>(stop - start).count());
    return 0;
}
