#include "common/working.h"

#include <cstring>

namespace quorin {

const WorkingFigure* WorkingStep::figure(const char* name) const {
  for (const auto& f : inputs)
    if (std::strcmp(f.name, name) == 0) return &f;
  for (const auto& f : ruleFigures)
    if (std::strcmp(f.name, name) == 0) return &f;
  return nullptr;
}

WorkingStep& Working::add(const char* label, double value, FigureKind kind, const char* rule) {
  WorkingStep& s = steps_.emplace_back();
  s.label = label;
  s.subject = subject_;
  s.rule = rule;
  s.value = value;
  s.valueKind = kind;
  return s;
}

const WorkingStep* Working::find(const char* label, const std::string& subject) const {
  for (auto it = steps_.rbegin(); it != steps_.rend(); ++it)
    if (std::strcmp(it->label, label) == 0 && it->subject == subject) return &*it;
  return nullptr;
}

void Working::clear() {
  steps_.clear();
  subject_.clear();
  taxYear = 0;
}

}  // namespace quorin
