// The window figures of one calculation as a flat list of cells, for batch:
// a calculator fills them in the window's order instead of building the
// JSON object, and the cells are reused from row to row.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace quorin::cli {

struct WindowCell {
  enum class Kind { Number, Whole, Text };
  Kind kind = Kind::Number;
  double number = 0;
  long long whole = 0;
  std::string text;

  // The field's name, an array element as "sidbEdit1[3]".
  std::string name() const;
  bool named(std::string_view name) const;

 private:
  friend class WindowCells;
  std::string_view field_;  // a name the calculator holds for the whole run
  long long index_ = -1;    // the array element, or -1
  std::string built_;       // or the whole name, made here
};

class WindowCells {
 public:
  void clear() { used_ = 0; }
  std::size_t size() const { return used_; }
  const WindowCell& operator[](std::size_t i) const { return cells_[i]; }

  // The names are the window's field names, which the calculators hold for
  // the whole run (literals), so the cells keep only a view of them.
  void number(std::string_view name, double value);
  void number(std::string_view name, std::size_t index, double value);
  void whole(std::string_view name, std::size_t index, long long value);
  void text(std::string_view name, std::string_view value);

  // The figures of a JSON window object, for calculators that only build
  // that: arrays as name[i], numbers and texts as they are, anything else
  // as its JSON text.
  void flatten(const nlohmann::ordered_json& window);

 private:
  WindowCell& next(std::string_view name, long long index, WindowCell::Kind kind);
  void flatten(std::string& name, const nlohmann::ordered_json& value);

  std::vector<WindowCell> cells_;
  std::size_t used_ = 0;
};

}  // namespace quorin::cli
