// Window > Tile and Window > Cascade, and the first size of the main
// window, so that every child window stays whole inside the main window's
// area: a window is never made smaller than its contents' minimum; Tile
// gives a window larger than its tile its own size and moves the tiles
// beside and below it apart (the area then scrolls to them); Cascade keeps
// every window's size and slides it back inside the area.
#pragma once

#include <QSize>

class QMdiArea;
class QRect;

namespace quorin {

void tileWindows(QMdiArea* area);
void cascadeWindows(QMdiArea* area);

// The main window's size on a screen with that much room for windows: the
// size wanted, made smaller where the screen (less the window manager's
// frame) is smaller.
QSize mainWindowSize(const QSize& wanted, const QRect& available);

}  // namespace quorin
