// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rounding done by hand rather than by libm: the first frame needs nothing else from that library,
// and a first call into it faults in about 90 KB of its code.

namespace quilora::core {

namespace detail {
// Beyond 2^52 every double is a whole number already; NaN needs no rounding either.
constexpr double kWhole = 4503599627370496.0;
constexpr bool needsRounding(double x) {
    return x > -kWhole && x < kWhole;
}
} // namespace detail

// As std::lround: halves away from zero. Only for values within the range of long.
constexpr long roundHalfAway(double x) {
    const auto whole = static_cast<long>(x);
    const double rest = x - static_cast<double>(whole);
    return rest >= 0.5 ? whole + 1 : rest <= -0.5 ? whole - 1 : whole;
}

// As std::nearbyint in the default rounding mode: halves to the even neighbour.
constexpr double roundHalfEven(double x) {
    if (!detail::needsRounding(x))
        return x;
    const auto whole = static_cast<long long>(x);
    const double rest = x - static_cast<double>(whole);
    const bool odd = whole % 2 != 0;
    if (rest > 0.5 || (rest == 0.5 && odd))
        return static_cast<double>(whole + 1);
    if (rest < -0.5 || (rest == -0.5 && odd))
        return static_cast<double>(whole - 1);
    return static_cast<double>(whole);
}

static_assert(roundHalfAway(2.5) == 3 && roundHalfAway(-2.5) == -3 && roundHalfAway(2.49) == 2);
static_assert(roundHalfEven(0.5) == 0 && roundHalfEven(1.5) == 2 && roundHalfEven(-0.5) == 0 &&
              roundHalfEven(0.51) == 1 && roundHalfEven(-1.5) == -2);

} // namespace quilora::core
