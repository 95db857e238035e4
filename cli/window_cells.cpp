#include "cli/window_cells.h"

#include <charconv>

namespace quorin::cli {

std::string WindowCell::name() const {
  if (!built_.empty()) return built_;
  std::string n(field_);
  if (index_ >= 0) n += "[" + std::to_string(index_) + "]";
  return n;
}

bool WindowCell::named(std::string_view name) const {
  if (!built_.empty()) return name == built_;
  if (index_ < 0) return name == field_;
  if (name.size() < field_.size() + 3 || name.substr(0, field_.size()) != field_) return false;
  char element[24] = "[";
  char* end = std::to_chars(element + 1, element + sizeof element - 1, index_).ptr;
  *end++ = ']';
  return name.substr(field_.size()) == std::string_view(element, static_cast<std::size_t>(end - element));
}

WindowCell& WindowCells::next(std::string_view name, long long index, WindowCell::Kind kind) {
  if (used_ == cells_.size()) cells_.emplace_back();
  WindowCell& c = cells_[used_++];
  c.field_ = name;
  c.index_ = index;
  c.built_.clear();
  c.kind = kind;
  return c;
}

void WindowCells::number(std::string_view name, double value) { next(name, -1, WindowCell::Kind::Number).number = value; }

void WindowCells::number(std::string_view name, std::size_t index, double value) {
  next(name, static_cast<long long>(index), WindowCell::Kind::Number).number = value;
}

void WindowCells::whole(std::string_view name, std::size_t index, long long value) {
  next(name, static_cast<long long>(index), WindowCell::Kind::Whole).whole = value;
}

void WindowCells::text(std::string_view name, std::string_view value) {
  next(name, -1, WindowCell::Kind::Text).text.assign(value);
}

void WindowCells::flatten(const nlohmann::ordered_json& window) {
  std::string name;
  for (const auto& [key, value] : window.items()) {
    name = key;
    flatten(name, value);
  }
}

void WindowCells::flatten(std::string& name, const nlohmann::ordered_json& v) {
  if (v.is_array()) {
    const std::size_t base = name.size();
    for (std::size_t i = 0; i < v.size(); ++i) {
      name.resize(base);
      name += "[" + std::to_string(i) + "]";
      flatten(name, v[i]);
    }
    name.resize(base);
    return;
  }
  // The JSON object goes when the row is done: the cell keeps the name.
  WindowCell& c = next({}, -1, WindowCell::Kind::Text);
  c.built_ = name;
  if (v.is_number_float()) {
    c.kind = WindowCell::Kind::Number;
    c.number = v.get<double>();
  } else if (v.is_number_integer()) {
    c.kind = WindowCell::Kind::Whole;
    c.whole = v.get<long long>();
  } else if (v.is_string()) {
    c.text = v.get_ref<const std::string&>();
  } else {
    c.text = v.dump();
  }
}

}  // namespace quorin::cli
