#include "common/twips.h"

#include <cmath>

namespace quorin {

namespace {

double usableDpi(double dpi) { return dpi > 0 ? dpi : 96.0; }

}  // namespace

int pixelsToTwips(int pixels, double dpi) {
  return static_cast<int>(std::lround(pixels * kTwipsPerInch / usableDpi(dpi)));
}

int twipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * usableDpi(dpi) / kTwipsPerInch));
}

}  // namespace quorin
