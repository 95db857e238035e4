// A vehicle calculator window opened on a temporary copy of the data files,
// driven through its widgets, with its messages recorded and its printouts
// read back from the report database.
#pragma once

#include "window_driver.h"

namespace quorin::test {

template <class Window>
struct VehicleWindowFixture : WindowDriver<Window> {
  QString lastMessage() const { return this->messages.last() ? this->messages.last()->text : QString(); }
  QString lastTitle() const { return this->messages.last() ? this->messages.last()->title : QString(); }
};

}  // namespace quorin::test
