#pragma once

#include <cmath>
#include <initializer_list>

namespace sheet {

// Why a sheet refused to compute. Each refusal has its own warning window:
// Missing -> "errore", Negative -> "errore2", OutOfRange -> "errore3" (a latitude or a wall
// declination of 90 or more), LatitudeRange -> a latitude beyond the poles on a horizontal
// dial, SunDeclinationRange -> a Sun's declination the Sun never reaches, StyleTooLong ->
// "erroreStilo" (a drawing of a style no one can build).
enum class Refusal { None, Missing, Negative, OutOfRange, LatitudeRange, SunDeclinationRange, StyleTooLong };

// Zero stands for a value that was never entered (a reset writes 0 into every field, and no
// required value of any sheet can be zero), so a required zero is a missing value.
bool CheckPresent(std::initializer_list<double> values);

// True when no value is below zero.
bool CheckPositive(std::initializer_list<double> values);

// The angle factors every compute builds first: pi from four times the arc tangent of 1,
// and the degree-to-radian and radian-to-degree factors made from it.
// The Sun's declination at the solstices the 2002 sheets trace and test: their tables were
// always computed with 23,45 (the true obliquity, 23,44 today, goes into the engine's Sun).
inline constexpr double kSolsticeDeclinationDeg = 23.45;

} // namespace sheet
