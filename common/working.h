// The working of a calculation: the ordered steps that produced its
// figures, each with a label, the figures that went in, the rule or the
// year's figures applied, and the step's value. A calculation records its
// steps as it computes them, into the Working it is given; given none
// (nullptr) it records nothing and pays one test per step.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace quorin {

// How a figure is shown.
enum class FigureKind : std::uint8_t {
  Money,   // two decimals, grouped: 4 783.08
  Rand,    // a year's figure: grouped, cents only when there are any (245 101, 364)
  Number,  // rates, days, km, factors: up to four decimals, trailing zeros dropped (27.5, 0.333)
  Date,    // a day number, shown dd/mm/yyyy
  Plain,   // a whole number without grouping (a year, a vehicle number)
};

struct WorkingFigure {
  const char* name;  // English and stable: tests and translations find figures by it
  double value;
  FigureKind kind;
};

struct WorkingStep {
  const char* label = "";   // English and stable
  std::string subject;      // whose step, when a calculation has several (a vehicle); empty otherwise
  std::vector<WorkingFigure> inputs;  // the figures that went in
  // The rule applied, with {name} standing for a rule figure and {year}
  // for the tax year; empty when the inputs say it all.
  const char* rule = "";
  std::vector<WorkingFigure> ruleFigures;  // the year's figures and constants the rule applies
  double value = 0;
  FigureKind valueKind = FigureKind::Money;

  // Adds a figure that went in.
  WorkingStep& in(const char* name, double v, FigureKind kind = FigureKind::Money) {
    inputs.push_back({name, v, kind});
    return *this;
  }
  // Adds a figure of the rule.
  WorkingStep& by(const char* name, double v, FigureKind kind = FigureKind::Rand) {
    ruleFigures.push_back({name, v, kind});
    return *this;
  }
  // The figure of that name among the inputs, then the rule figures.
  const WorkingFigure* figure(const char* name) const;
};

class Working {
 public:
  // The year whose figures the rules apply ({year} in a rule).
  int taxYear = 0;

  // Records a step; the caller adds its figures to the step returned.
  WorkingStep& add(const char* label, double value, FigureKind kind = FigureKind::Money, const char* rule = "");

  // Steps recorded from now on are about this subject ("" for none).
  void setSubject(std::string subject) { subject_ = std::move(subject); }

  const std::vector<WorkingStep>& steps() const { return steps_; }
  bool empty() const { return steps_.empty(); }
  // The last step of this label (and subject), or nullptr.
  const WorkingStep* find(const char* label, const std::string& subject = {}) const;
  void clear();

 private:
  std::vector<WorkingStep> steps_;
  std::string subject_;
};

// Runs record(working, args...) out of the calculation's hot path. The
// record is a lambda that captures nothing and the figures go by value, so
// a calculation given no working pays one test, and no stack frame or
// spilled figure for the record:
//   if (working) [[unlikely]]
//     recordWith(*working, [](Working& w, double tax) { w.add("Tax", tax); }, tax);
template <typename Record, typename... Args>
[[gnu::cold, gnu::noinline]] void recordWith(Working& working, Record record, Args... args) {
  static_assert(std::is_empty_v<Record> || std::is_function_v<std::remove_pointer_t<Record>>,
                "a record captures nothing: pass its figures as arguments");
  record(working, args...);
}

}  // namespace quorin
