#include "common/working_text.h"

#include <algorithm>
#include <cmath>

#include "common/day_number.h"
#include "common/money.h"

namespace quorin {

namespace {

// Up to four decimals, trailing zeros dropped.
std::string trimmed(double v) {
  std::string s = formatGrouped(v, 4);
  if (s.find('.') == std::string::npos) return s;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

std::size_t displayWidth(const std::string& s) {
  // UTF-8: count the characters, not the bytes.
  return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string formatFigure(double v, FigureKind kind) {
  switch (kind) {
    case FigureKind::Money:
      return formatGrouped(v, 2);
    case FigureKind::Rand:
      return v == std::floor(v) ? formatGrouped(v, 0) : formatGrouped(v, 2);
    case FigureKind::Number:
      return trimmed(v);
    case FigureKind::Date:
      return formatDay(static_cast<int>(v));
    case FigureKind::Plain:
      return formatFixed(v, 0);
  }
  return formatShortest(v);
}

std::string workingWord(std::string_view english, int language) {
  if (language == 1)
    if (const char* af = afrikaansWorkingWord(english)) return af;
  return std::string(english);
}

std::string workingLabel(const WorkingStep& step, int language) {
  std::string label = workingWord(step.label, language);
  return step.subject.empty() ? label : step.subject + ": " + label;
}

std::vector<const WorkingFigure*> shownInputs(const WorkingStep& step) {
  const auto zeroAmount = [](const WorkingFigure& f) { return f.kind == FigureKind::Money && f.value == 0; };
  const bool allZero = std::all_of(step.inputs.begin(), step.inputs.end(), zeroAmount);
  std::vector<const WorkingFigure*> shown;
  for (const auto& f : step.inputs)
    if (allZero || !zeroAmount(f)) shown.push_back(&f);
  return shown;
}

std::string workingInputs(const WorkingStep& step, int language) {
  std::string text;
  for (const WorkingFigure* f : shownInputs(step)) {
    if (!text.empty()) text += ", ";
    text += workingWord(f->name, language) + " " + formatFigure(f->value, f->kind);
  }
  return text;
}

std::string workingRule(const WorkingStep& step, int taxYear, int language) {
  const std::string pattern = workingWord(step.rule, language);
  std::string out;
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::size_t open = pattern.find('{', at);
    const std::size_t close = open == std::string::npos ? open : pattern.find('}', open);
    if (close == std::string::npos) {
      out.append(pattern, at, std::string::npos);
      break;
    }
    out.append(pattern, at, open - at);
    const std::string name = pattern.substr(open + 1, close - open - 1);
    if (name == "year") {
      out += std::to_string(taxYear);
    } else if (const WorkingFigure* f = step.figure(name.c_str())) {
      out += formatFigure(f->value, f->kind);
    } else {
      out.append(pattern, open, close - open + 1);
    }
    at = close + 1;
  }
  return out;
}

std::string workingTitle(int language) {
  return workingWord("How these figures were worked out", language);
}

std::vector<std::string> workingLines(const Working& working, int language) {
  std::vector<std::string> labels, values;
  std::size_t labelWidth = 0, valueWidth = 0;
  for (const auto& step : working.steps()) {
    labels.push_back(workingLabel(step, language));
    values.push_back(formatFigure(step.value, step.valueKind));
    labelWidth = std::max(labelWidth, displayWidth(labels.back()));
    valueWidth = std::max(valueWidth, displayWidth(values.back()));
  }
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const WorkingStep& step = working.steps()[i];
    lines.push_back(labels[i] + std::string(labelWidth - displayWidth(labels[i]) + 2, ' ') +
                    std::string(valueWidth - displayWidth(values[i]), ' ') + values[i]);
    if (!step.inputs.empty()) lines.push_back("    " + workingInputs(step, language));
    if (*step.rule) lines.push_back("    " + workingRule(step, working.taxYear, language));
  }
  return lines;
}

}  // namespace quorin
