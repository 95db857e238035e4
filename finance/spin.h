// Result of pressing a spin button: the field's new value and whether the
// button sounds a beep. `changed` is false when the button does nothing.
#pragma once

namespace quorin {

enum class SpinDirection { Down, Up };

template <typename T>
struct SpinStep {
  T value{};
  bool beep = false;
  bool changed = true;
};

}  // namespace quorin
