#include "shell/help_view_size.h"

#include <algorithm>
#include <cmath>

namespace quorin {

namespace {

double usableDpi(double dpi) { return dpi > 0 ? dpi : 96.0; }

}  // namespace

HelpViewSize helpViewSize(int innerWidthTwips, int innerHeightTwips) {
  return {std::max(0, innerWidthTwips - kHelpViewMarginTwips), std::max(0, innerHeightTwips - kHelpViewMarginTwips)};
}

int pixelsToTwips(int pixels, double dpi) {
  return static_cast<int>(std::lround(pixels * kTwipsPerInch / usableDpi(dpi)));
}

int twipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * usableDpi(dpi) / kTwipsPerInch));
}

}  // namespace quorin
