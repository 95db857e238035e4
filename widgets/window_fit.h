// Sizing of the child windows in the main window's area: a child is as large
// as its contents ask, never smaller than their minimum (no field narrower
// than its figures, no button narrower than its caption), and kept within
// the area where it fits; what does not fit is reached with the area's
// scroll bars.
#pragma once

class QMdiSubWindow;

namespace quorin {

enum class Fit {
  Contents,  // to the contents' preferred size (opening, a frame hidden)
  Grow,      // only larger, never smaller than now (a frame shown)
};

void fitSubWindow(QMdiSubWindow* sub, Fit fit = Fit::Contents);

// Grows the child when its contents' minimum has become larger than it.
void growToMinimum(QMdiSubWindow* sub);

}  // namespace quorin
