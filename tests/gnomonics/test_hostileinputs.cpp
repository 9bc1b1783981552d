// Hostile values through every pure function a user's typing reaches: the number and date
// readers, each sheet's computation and the three drawing builders. Whatever comes in, a call
// ends quickly with a clear refusal or with texts a maker can read: a plain number with the
// decimal comma or a dash text, never "nan", "inf", an exponent or "-0"; a drawing has finite
// coordinates inside its own sheet.
//
// The values are the edges the checks draw (0, just around 90, 23.5, the 10 m style), the
// extremes of a double (denormal, largest, negative zero, infinities, NaN), and a fixed
// pseudo-random spread over every magnitude, so each run tries the same 10^5 and more inputs.

#include "sheet/declining.h"
#include "drawing/sheetdrawing.h"
#include "drawing/sheetsketch.h"
#include "sheet/horizontalcurves.h"
#include "sheet/horizontalhours.h"
#include "sheet/verticalcurves.h"
#include "sheet/zodiac.h"
#include "gnomonics/calendar.h"
#include "sheet/numbers.h"

#include "testsupport.h"

#include <QtTest/QtTest>

#include <cmath>
#include <ctime>
#include <limits>
#include <random>
#include <vector>

using namespace gnomonics;
using namespace sheet;

namespace {

// No sheet's "Calcola" may freeze the window; a drawing builder has the same bound. This is a
// guard against a hang or a loop over millimetres, not a benchmark (tools/bench measures speed):
// the busiest drawings take some 35 ms here and a slower test machine once needed 50, so the
// bound is a quarter of a second. The sanitizer build checks every memory access and now and
// then pays for the shadow memory of a fresh allocation: it gets ten times as long.
#ifdef HORALO_SANITIZED
constexpr double kCallLimitMs = 10 * 250.0;
#else
constexpr double kCallLimitMs = 250.0;
#endif
// Inputs tried per run, over all functions together.
constexpr long kAtLeastCalls = 100000;

// The processor time the call itself takes: a test machine shared with builds would otherwise
// charge a call for the time others held the processor. A hang or a loop over millimetres
// shows in either.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kMax = std::numeric_limits<double>::max();
const double kDenormal = std::numeric_limits<double>::denorm_min();
const double kTiny = std::numeric_limits<double>::min();

// Values around the edges of every check, and the extremes of a double.
std::vector<double> edgeValues()
{
    std::vector<double> v{0.0,     -0.0,      kDenormal, -kDenormal, kTiny,   -kTiny,    1e-300,  1e-7,
                          0.0000001, 0.5,     1.0,       -1.0,       23.45,   -23.45,    23.5,    -23.5,
                          23.500001, 38.0,    38.1217,   40.32,      45.0,    52.3,      60.0,    89.0,
                          89.999999, 90.0,    90.000001, -90.0,      -89.999999, 179.99, 180.0,   360.0,
                          720.0,     9999.999, 10000.0,  10000.0001, 100000.0, 1e9,      10000900000.0, 1e15,
                          1e300,     kMax,    -kMax,     kInf,       -kInf,   kNaN};
    return v;
}

// A value of any magnitude from 1e-320 to 1e308, either sign, now and then an edge value.
class HostileValues {
public:
    explicit HostileValues(unsigned seed) : random_(seed), edges_(edgeValues()) {}

    double next()
    {
        const double pick = unit_(random_);
        if (pick < 0.25)
            return edges_[static_cast<std::size_t>(unit_(random_) * static_cast<double>(edges_.size())) % edges_.size()];
        if (pick < 0.6) {
            // The range a sheet works in, where most of its branches are.
            return (unit_(random_) * 2.0 - 1.0) * 100.0;
        }
        const double exponent = unit_(random_) * 628.0 - 320.0;
        const double magnitude = std::pow(10.0, exponent);
        return unit_(random_) < 0.5 ? -magnitude : magnitude;
    }

private:
    std::mt19937_64 random_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
    std::vector<double> edges_;
};

// Why a text shown in a field is unfit, or an empty text when it is fit: a plain number with
// the decimal comma, a dash text, or nothing at all.
QString unfitFieldText(const std::string &text)
{
    if (text.empty() || text.find_first_not_of('-') == std::string::npos)
        return {};
    const QString t = QString::fromStdString(text);
    if (t.contains(QLatin1String("nan"), Qt::CaseInsensitive) || t.contains(QLatin1String("inf"), Qt::CaseInsensitive))
        return QStringLiteral("'%1' is not a number").arg(t);
    if (t.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return QStringLiteral("'%1' has an exponent").arg(t);
    static const QRegularExpression minusZero(QStringLiteral("^-0(,0*)?$"));
    if (minusZero.match(t).hasMatch())
        return QStringLiteral("'%1' is a negative zero").arg(t);
    static const QRegularExpression plain(QStringLiteral("^-?\\d+(,\\d+)?$"));
    if (!plain.match(t).hasMatch())
        return QStringLiteral("'%1' is not a plain number").arg(t);
    return {};
}

// The same for a label of a drawing: every word of it that starts like a number is a plain
// number with the decimal comma ("38,1217°", "40,32"), and none is a negative zero.
QString unfitLabel(const std::string &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s=]+"));
    // A number, or a scale ("1:1").
    static const QRegularExpression plain(QStringLiteral("^(-?\\d+(,\\d+)?|\\d+:\\d+)$"));
    static const QRegularExpression minusZero(QStringLiteral("^-0(,0*)?$"));
    const QString t = QString::fromStdString(text);
    for (QString word : t.split(separators, Qt::SkipEmptyParts)) {
        if (word.contains(QLatin1String("nan"), Qt::CaseInsensitive) || word.compare(QLatin1String("inf"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("label '%1' holds '%2'").arg(t, word);
        word.remove(QStringLiteral("°"));
        if (word.endsWith(QLatin1Char(',')))
            word.chop(1);
        const bool numeric = !word.isEmpty() && (word[0].isDigit() || (word.size() > 1 && word[0] == QLatin1Char('-') && word[1].isDigit()));
        if (!numeric)
            continue;
        if (!plain.match(word).hasMatch())
            return QStringLiteral("label '%1' has a number '%2' that is not plain").arg(t, word);
        if (minusZero.match(word).hasMatch())
            return QStringLiteral("label '%1' shows a negative zero").arg(t);
    }
    return {};
}

QString unfitDrawing(const drawing::SheetSketch &dd)
{
    const drawing::Drawing d = drawing::ToSheetDrawing(dd.sketch);
    if (dd.refusal != sheet::Refusal::None)
        return d.lines.empty() && d.texts.empty() && d.dots.empty() ? QString() : QStringLiteral("refused but not empty");
    if (!(std::isfinite(d.widthMm) && std::isfinite(d.heightMm) && d.widthMm > 0 && d.heightMm > 0))
        return QStringLiteral("size %1 x %2").arg(d.widthMm).arg(d.heightMm);
    // A hair of rounding is allowed at the sheet's edge.
    const double slack = 1e-6 * std::max(d.widthMm, d.heightMm) + 1e-9;
    auto inside = [&](drawing::DrawingPoint p) {
        return std::isfinite(p.xMm) && std::isfinite(p.yMm) && p.xMm >= -slack && p.yMm >= -slack &&
               p.xMm <= d.widthMm + slack && p.yMm <= d.heightMm + slack;
    };
    for (const auto &line : d.lines)
        for (const auto &p : line.points)
            if (!inside(p))
                return QStringLiteral("point (%1, %2) off the sheet").arg(p.xMm).arg(p.yMm);
    for (const auto &t : d.texts) {
        if (!inside(t.at))
            return QStringLiteral("text '%1' off the sheet").arg(QString::fromStdString(t.text));
        const QString why = unfitLabel(t.text);
        if (!why.isEmpty())
            return why;
    }
    return {};
}

// Runs one call, fails the test when it takes too long, and counts it.
struct Meter {
    long calls = 0;
    double slowestMs = 0;
    QString slowestWhat;

    template <typename Call>
    auto operator()(const QString &what, Call call)
    {
        const double start = threadCpuMs();
        auto result = call();
        const double ms = threadCpuMs() - start;
        ++calls;
        if (ms > slowestMs) {
            slowestMs = ms;
            slowestWhat = what;
        }
        return result;
    }
};

QString args(std::initializer_list<double> values)
{
    QStringList parts;
    for (double v : values)
        parts << QString::number(v, 'g', 17);
    return parts.join(QStringLiteral(", "));
}

// A text typed into a field: digits, separators, signs, blanks, letters and the words a
// C library reads as numbers.
std::string hostileText(std::mt19937_64 &random)
{
    static const std::vector<std::string> pieces{"0",   "1",    "9",   ",",      ".",   "-",   "+",     " ",
                                                 "e",   "E5",   "nan", "nan(0x1)", "inf", "0x1p3", "1e400", "\t",
                                                 "38",  "90",   "/",   "2026",   "è",   "٣",   "\xff", "00000000000000000000"};
    std::uniform_int_distribution<std::size_t> count(0, 8), which(0, pieces.size() - 1);
    std::string text;
    for (std::size_t i = count(random); i > 0; --i)
        text += pieces[which(random)];
    return text;
}

} // namespace

class TestHostileInputs : public QObject {
    Q_OBJECT

private:
    Meter meter_;

    void checkCall(const QString &what)
    {
        QVERIFY2(meter_.slowestMs <= kCallLimitMs,
                 qPrintable(QStringLiteral("%1 took %2 ms").arg(meter_.slowestWhat).arg(meter_.slowestMs)));
        Q_UNUSED(what);
    }

private Q_SLOTS:
    // The readers: what they accept is a finite number (or a real date); everything else is
    // refused, "nan(0x1)" included (a C library would read it as a NaN).
    void readers()
    {
        std::mt19937_64 random(16);
        for (int i = 0; i < 30000; ++i) {
            const std::string text = hostileText(random);
            const auto number = meter_(QString::fromStdString(text), [&] { return sheet::ReadNumber(text); });
            if (number) {
                QVERIFY2(std::isfinite(*number), text.c_str());
                QVERIFY2(!std::signbit(*number) || *number != 0.0, text.c_str());
            }
            const auto date = meter_(QString::fromStdString(text), [&] { return gnomonics::ReadDate(text, 2026); });
            if (date) {
                QVERIFY2(date->year >= 1 && date->year <= 9999 && date->month >= 1 && date->month <= 12 &&
                             date->day >= 1 && date->day <= 31,
                         text.c_str());
            }
        }
        for (const char *text : {"nan(0x1)", "nan", "-nan", "inf", "infinity", "1e5", "0x10", "1,2,3"})
            QVERIFY2(!sheet::ReadNumber(text).has_value(), text);
        checkCall(QStringLiteral("readers"));
    }

    // Every sheet's computation, with the field values a user can type.
    void sheetComputations()
    {
        HostileValues values(1602);
        for (int i = 0; i < 16000; ++i) {
            const double lat = values.next(), dcl = values.next(), style = values.next();
            const double s1 = values.next(), s2 = values.next(), anniversary = values.next();
            const QString in = args({lat, dcl, style, s1, s2, anniversary});

            const auto hours = meter_(QStringLiteral("hour angles ") + in, [&] { return ComputeHorizontalHourAngles(lat); });
            for (const auto &t : hours.morning) {
                const QString why = unfitFieldText(t);
                QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("hour angles(%1): %2").arg(in, why)));
            }

            const auto curves = meter_(QStringLiteral("horizontal curves ") + in,
                                       [&] { return ComputeHorizontalCurves(lat, style); });
            if (curves.refusal == sheet::Refusal::None) {
                std::vector<std::string> texts{curves.styleHeight, curves.styleBase, curves.equinoxNoon};
                texts.insert(texts.end(), curves.summer.begin(), curves.summer.end());
                texts.insert(texts.end(), curves.winter.begin(), curves.winter.end());
                for (const auto &t : texts) {
                    const QString why = unfitFieldText(t);
                    QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("horizontal curves(%1): %2").arg(in, why)));
                }
            }

            for (WallSide side : {WallSide::East, WallSide::West}) {
                const auto declining = meter_(QStringLiteral("declining ") + in,
                                              [&] { return ComputeDecliningSheet(lat, dcl, side); });
                if (declining.refusal == sheet::Refusal::None)
                    for (const auto &t : declining.texts) {
                        const QString why = unfitFieldText(t);
                        QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("declining(%1): %2").arg(in, why)));
                    }
            }

            const auto vertical = meter_(QStringLiteral("vertical curves ") + in,
                                         [&] { return ComputeVerticalCurves(lat, dcl, style, 0.0); });
            if (vertical.refusal == sheet::Refusal::None) {
                std::vector<std::string> texts{vertical.e3, vertical.b, vertical.h, vertical.f, vertical.ts5};
                for (const auto &row : vertical.cells)
                    texts.insert(texts.end(), row.begin(), row.end());
                for (const auto &t : texts) {
                    const QString why = unfitFieldText(t);
                    QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("vertical curves(%1): %2").arg(in, why)));
                }
            }

            const auto zodiac = meter_(QStringLiteral("zodiac ") + in,
                                       [&] { return ComputeZodiacSheet(lat, dcl, style, 0.0, s1, s2, anniversary); });
            if (zodiac.refusal == sheet::Refusal::None) {
                std::vector<std::string> texts{zodiac.dlc3, zodiac.dlc4};
                for (const auto &row : zodiac.cells)
                    texts.insert(texts.end(), row.begin(), row.end());
                for (const auto &t : texts) {
                    const QString why = unfitFieldText(t);
                    QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("zodiac(%1): %2").arg(in, why)));
                }
            }
        }
        checkCall(QStringLiteral("sheets"));
    }

    // The drawing builders: fewer inputs, each a whole dial; plus the exact faults seen.
    void drawingBuilders()
    {
        HostileValues values(11);
        auto check = [&](double lat, double dcl, double style, double s1, double s2, double anniversary) {
            const QString in = args({lat, dcl, style, s1, s2, anniversary});
            const auto horizontal = meter_(QStringLiteral("horizontal drawing ") + in,
                                           [&] { return drawing::BuildHorizontalSheetSketch(lat, style); });
            QString why = unfitDrawing(horizontal);
            QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("horizontal drawing(%1): %2").arg(in, why)));
            const WallSide side = std::signbit(s2) ? WallSide::West : WallSide::East;
            const auto vertical = meter_(QStringLiteral("vertical drawing ") + in,
                                         [&] { return drawing::BuildVerticalSheetSketch(lat, dcl, style, side); });
            why = unfitDrawing(vertical);
            QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("vertical drawing(%1): %2").arg(in, why)));
            const auto zodiac = meter_(QStringLiteral("zodiac drawing ") + in, [&] {
                return drawing::BuildZodiacSheetSketch(lat, dcl, style, side, s1, s2, anniversary, "Anniversario");
            });
            why = unfitDrawing(zodiac);
            QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("zodiac drawing(%1): %2").arg(in, why)));
        };
        // The reproductions of the faults: a hang, two crashes and a sanitizer report.
        check(60, 1e-7, 100000, 20.16, 11.48, 0);
        check(1, 1e-7, 10000900000.0, 20.16, -11.48, 0);
        check(89, 1e-7, kMax, 20.16, -11.48, 0);
        check(52.3, 1, 1e9, 20.16, -11.48, 0);
        check(52.3, 90, kNaN, 20.16, 11.48, 0);
        // The longest style drawn, where the wall is most awkward.
        check(1, 1e-7, 10000, 20.16, -11.48, 0);
        check(89.999999, 89.999999, 10000, 89.99, -89.99, 89.99);
        // Plausible walls with a hostile value or two.
        for (int i = 0; i < 300; ++i) {
            const bool ordinary = i % 2 == 0;
            auto plausible = [&](double low, double high) {
                const double t = std::fmod(std::abs(values.next()), 1.0);
                return low + (std::isfinite(t) ? t : 0.5) * (high - low);
            };
            const double lat = ordinary ? plausible(0.001, 89.999) : values.next();
            const double dcl = ordinary ? plausible(0.0000001, 89.999) : values.next();
            const double style = ordinary ? plausible(0.001, 10000) : values.next();
            check(lat, dcl, style, values.next(), values.next(), ordinary ? plausible(-30, 30) : values.next());
        }
        checkCall(QStringLiteral("drawings"));
    }

    void cleanupTestCase()
    {
        qInfo("%ld calls; slowest %.2f ms: %s", meter_.calls, meter_.slowestMs, qPrintable(meter_.slowestWhat));
        QVERIFY2(meter_.calls >= kAtLeastCalls, qPrintable(QString::number(meter_.calls)));
    }
};

QTEST_APPLESS_MAIN(TestHostileInputs)
#include "test_hostileinputs.moc"
