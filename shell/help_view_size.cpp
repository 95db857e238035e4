#include "shell/help_view_size.h"

#include <algorithm>

namespace quorin {

HelpViewSize helpViewSize(int innerWidthTwips, int innerHeightTwips) {
  return {std::max(0, innerWidthTwips - kHelpViewMarginTwips), std::max(0, innerHeightTwips - kHelpViewMarginTwips)};
}

}  // namespace quorin
