// Twips (1/1440 inch), the unit window sizes are given in, and pixels.
#pragma once

namespace quorin {

inline constexpr int kTwipsPerInch = 1440;

// Conversions at the given dots per inch (15 twips per pixel at 96 dpi),
// rounded to the nearest whole number. A dpi of zero or less counts as 96.
int pixelsToTwips(int pixels, double dpi = 96.0);
int twipsToPixels(int twips, double dpi = 96.0);

}  // namespace quorin
