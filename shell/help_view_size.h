// The size of the help viewer's document view, in twips (1/1440 inch), and
// the conversion between twips and pixels.
#pragma once

namespace quorin {

inline constexpr int kTwipsPerInch = 1440;
// The margin the view leaves free to the right of and below it.
inline constexpr int kHelpViewMarginTwips = 100;

struct HelpViewSize {
  int widthTwips;
  int heightTwips;
};

// The view is 100 twips narrower and 100 twips lower than the window's inner
// area (3 000 x 2 000 gives 2 900 x 1 900); an area smaller than the margin
// gives a view of zero, never a negative size.
HelpViewSize helpViewSize(int innerWidthTwips, int innerHeightTwips);

// Conversions at the given dots per inch (15 twips per pixel at 96 dpi),
// rounded to the nearest whole number. A dpi of zero or less counts as 96.
int pixelsToTwips(int pixels, double dpi = 96.0);
int twipsToPixels(int twips, double dpi = 96.0);

}  // namespace quorin
