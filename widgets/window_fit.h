// Sizing of the child windows in the main window's area: a child is as large
// as its contents ask, never smaller than their minimum (no field narrower
// than its figures, no button narrower than its caption), and never larger
// than the area: a calculator whose fields and frames are taller or wider
// than the area scrolls them inside the window, its buttons staying in view.
#pragma once

#include <QScrollArea>

class QMdiSubWindow;

namespace quorin {

// The scrolled part of a calculator window (its fields and frames): it asks
// for the size of its contents, but never for more than the room that the
// main window's area leaves beside the window's frame and buttons.
class BodyScrollArea : public QScrollArea {
 public:
  explicit BodyScrollArea(QWidget* parent = nullptr);
  // An invalid room: no bound (a window outside the main window's area).
  void setRoom(const QSize& room);
  QSize room() const { return room_; }
  // Scrolls so that the whole of a widget of the body is in view (as much
  // of it as fits), not only its text cursor.
  void bringIntoView(QWidget* child);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSize bounded(QSize contents) const;
  QSize room_;
};

enum class Fit {
  Contents,  // to the contents' preferred size (opening, a frame hidden)
  Grow,      // only larger, never smaller than now (a frame shown)
};

void fitSubWindow(QMdiSubWindow* sub, Fit fit = Fit::Contents);

// Grows the child when its contents' minimum has become larger than it.
void growToMinimum(QMdiSubWindow* sub);

// The area was resized: the child gets the room there is now, shrinking
// (its body scrolling) where it no longer fits, and stays inside the area.
void keepInArea(QMdiSubWindow* sub);

}  // namespace quorin
