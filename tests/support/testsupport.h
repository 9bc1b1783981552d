#pragma once

// Small helpers shared by the tests: readable lookup of widgets by their design name, and
// comparisons of numbers with a named tolerance that print both values when they fail.

#include <QtTest/QtTest>

#include <cmath>
#include <string>

#define HORALO_COMPARE_NEAR(got, want, tol)                                                      \
    do {                                                                                         \
        const double got_ = (got);                                                               \
        const double want_ = (want);                                                             \
        const double tol_ = (tol);                                                               \
        if (!(std::abs(got_ - want_) <= tol_)) {                                                 \
            QFAIL(qPrintable(QStringLiteral("%1 = %2, expected %3 = %4 within %5")               \
                                 .arg(QStringLiteral(#got)).arg(got_, 0, 'g', 15)                \
                                 .arg(QStringLiteral(#want)).arg(want_, 0, 'g', 15)              \
                                 .arg(tol_, 0, 'g', 6)));                                        \
        }                                                                                        \
    } while (false)

inline QString qs(const std::string &s) { return QString::fromStdString(s); }

// Finds a child by object name and type or fails the test with the name it looked for.
#define HORALO_FIND(type, var, parent, name)                                                     \
    type *var = (parent)->findChild<type *>(QStringLiteral(name));                              \
    QVERIFY2(var != nullptr, qPrintable(QStringLiteral("no %1 named %2").arg(#type, name)))
