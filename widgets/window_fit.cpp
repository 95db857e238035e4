#include "widgets/window_fit.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace quorin {

namespace {

// Moves the child back inside the visible area as far as it fits.
void keepInside(QMdiSubWindow* sub) {
  QMdiArea* area = sub->mdiArea();
  if (!area) return;
  const QRect room = area->viewport()->rect();
  QRect r = sub->geometry();
  if (r.right() > room.right()) r.moveRight(room.right());
  if (r.bottom() > room.bottom()) r.moveBottom(room.bottom());
  if (r.left() < room.left()) r.moveLeft(room.left());
  if (r.top() < room.top()) r.moveTop(room.top());
  if (r.topLeft() != sub->pos()) sub->move(r.topLeft());
}

}  // namespace

void fitSubWindow(QMdiSubWindow* sub, Fit fit) {
  if (!sub || sub->isMaximized() || sub->isMinimized()) return;
  if (QWidget* content = sub->widget(); content && content->layout()) content->layout()->activate();
  if (sub->layout()) sub->layout()->activate();
  const QSize minimum = sub->minimumSizeHint();
  QSize want = sub->sizeHint();
  if (QMdiArea* area = sub->mdiArea()) want = want.boundedTo(area->viewport()->size());
  if (fit == Fit::Grow) want = want.expandedTo(sub->size());
  want = want.expandedTo(minimum);
  if (want != sub->size()) sub->resize(want);
  keepInside(sub);
}

void growToMinimum(QMdiSubWindow* sub) {
  if (!sub || sub->isMaximized() || sub->isMinimized()) return;
  const QSize want = sub->size().expandedTo(sub->minimumSizeHint());
  if (want == sub->size()) return;
  sub->resize(want);
  keepInside(sub);
}

}  // namespace quorin
