// The size of the help viewer's document view, in twips.
#pragma once

#include "common/twips.h"

namespace quorin {

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

}  // namespace quorin
