#include "widgets/window_fit.h"

#include <QEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>

namespace quorin {

BodyScrollArea::BodyScrollArea(QWidget* parent) : QScrollArea(parent) {
  setObjectName(QStringLiteral("scrBody"));
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setFocusPolicy(Qt::NoFocus);  // Tab goes from field to field, not to the scroller
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  horizontalScrollBar()->setAccessibleName(tr("Scroll the window's fields left and right"));
  verticalScrollBar()->setAccessibleName(tr("Scroll the window's fields up and down"));
}

void BodyScrollArea::setRoom(const QSize& room) {
  if (room == room_) return;
  room_ = room;
  updateGeometry();
}

void BodyScrollArea::bringIntoView(QWidget* child) {
  if (!widget() || !widget()->isAncestorOf(child)) return;
  const QRect r(child->mapTo(widget(), QPoint(0, 0)), child->size());
  ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 1, r.height() / 2 + 1);
}

bool BodyScrollArea::eventFilter(QObject* watched, QEvent* event) {
  // A frame shown or hidden in the body: the window asks for its new size.
  if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
  return QScrollArea::eventFilter(watched, event);
}

QSize BodyScrollArea::bounded(QSize contents) const {
  const int frame = 2 * frameWidth();
  contents += QSize(frame, frame);
  if (!room_.isValid()) return contents;
  const QSize room = room_.expandedTo(QSize(0, 0));
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  // A scroll bar along one side takes room from the other.
  const bool tall = contents.height() > room.height();
  const bool wide = contents.width() + (tall ? bar : 0) > room.width();
  if (tall) contents.rwidth() += bar;
  if (wide) contents.rheight() += bar;
  return contents.boundedTo(room);
}

QSize BodyScrollArea::sizeHint() const {
  return widget() ? bounded(widget()->sizeHint().expandedTo(widget()->minimumSizeHint())) : QScrollArea::sizeHint();
}

QSize BodyScrollArea::minimumSizeHint() const {
  return widget() ? bounded(widget()->minimumSizeHint()) : QScrollArea::minimumSizeHint();
}

namespace {

BodyScrollArea* bodyOf(QMdiSubWindow* sub) {
  QWidget* content = sub->widget();
  return content ? content->findChild<BodyScrollArea*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// The room the area leaves the scrolled body: the area less what the
// window's frame, margins and buttons take around it. True when it changed.
bool updateRoom(QMdiSubWindow* sub) {
  BodyScrollArea* body = bodyOf(sub);
  QMdiArea* area = sub->mdiArea();
  if (!body || !area) return false;
  if (sub->layout()) sub->layout()->activate();
  if (QWidget* content = sub->widget(); content && content->layout()) content->layout()->activate();
  const QSize chrome = sub->size() - body->size();
  const QSize room = area->viewport()->size() - chrome;
  if (room == body->room()) return false;
  body->setRoom(room);
  return true;
}

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

void fitOnce(QMdiSubWindow* sub, Fit fit) {
  if (QWidget* content = sub->widget(); content && content->layout()) content->layout()->activate();
  if (sub->layout()) sub->layout()->activate();
  const QSize minimum = sub->minimumSizeHint();
  QSize want = sub->sizeHint();
  if (fit == Fit::Grow) want = want.expandedTo(sub->size());
  if (QMdiArea* area = sub->mdiArea()) want = want.boundedTo(area->viewport()->size());
  want = want.expandedTo(minimum);
  if (want != sub->size()) sub->resize(want);
  keepInside(sub);
}

}  // namespace

void fitSubWindow(QMdiSubWindow* sub, Fit fit) {
  if (!sub || sub->isMaximized() || sub->isMinimized()) return;
  // Twice on first opening: the frame around the body is known only once
  // the window has been laid out at some size.
  for (int pass = 0; pass < 2; ++pass) {
    updateRoom(sub);
    fitOnce(sub, fit);
    if (!updateRoom(sub)) break;
  }
}

void keepInArea(QMdiSubWindow* sub) {
  if (!sub || sub->isMaximized() || sub->isMinimized()) return;
  updateRoom(sub);
  QSize want = sub->size();
  if (QMdiArea* area = sub->mdiArea()) want = want.boundedTo(area->viewport()->size());
  want = want.expandedTo(sub->minimumSizeHint());
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
