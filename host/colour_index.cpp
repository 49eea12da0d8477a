#include "colour_index.h"

#include <cmath>

namespace host {
namespace {

Rgb FromHsv(double hue, double saturation, double value) {
  const double c = value * saturation;
  const double h = std::fmod(hue, 360.0) / 60.0;
  const double x = c * (1 - std::abs(std::fmod(h, 2.0) - 1));
  double r = 0, g = 0, b = 0;
  if (h < 1) {
    r = c, g = x;
  } else if (h < 2) {
    r = x, g = c;
  } else if (h < 3) {
    g = c, b = x;
  } else if (h < 4) {
    g = x, b = c;
  } else if (h < 5) {
    r = x, b = c;
  } else {
    r = c, b = x;
  }
  const double m = value - c;
  return {r + m, g + m, b + m};
}

}  // namespace

Rgb ColourOfIndex(std::int32_t index) {
  static constexpr Rgb kFirst[] = {{1, 1, 1},       {1, 0, 0},         {1, 1, 0}, {0, 1, 0},
                                   {0, 1, 1},       {0, 0, 1},         {1, 0, 1}, {1, 1, 1},
                                   {0.5, 0.5, 0.5}, {0.75, 0.75, 0.75}};
  if (index >= 1 && index <= 9) return kFirst[index];
  if (index >= 10 && index <= 249) {
    // Twenty-four hues in steps of 15 degrees, each in five shades, full and half saturated.
    static constexpr double kValue[] = {1.0, 0.8, 0.6, 0.5, 0.3};
    const int shade = index % 10;
    return FromHsv((index / 10 - 1) * 15.0, shade % 2 == 0 ? 1.0 : 0.5, kValue[shade / 2]);
  }
  if (index >= 250 && index <= 255) {
    const double grey = 0.2 + (index - 250) * 0.16;
    return {grey, grey, grey};
  }
  return {1, 1, 1};
}

}  // namespace host
