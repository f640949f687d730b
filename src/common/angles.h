#pragma once

// Angles as the whole suite treats them.
namespace common {

// π as the suite uses it for angles and constants: fifteen significant digits, not the
// double nearest to π.
inline constexpr double kPi15 = 3.14159265358979;

// Degrees in radians: the product first, then the division.
constexpr double degreesToRadians(double degrees) {
    return degrees * kPi15 / 180;
}

} // namespace common
