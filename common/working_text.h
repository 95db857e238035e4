// The working as text for a person: figures formatted as the windows show
// them, rules with their figures filled in, in English or Afrikaans
// (0 English, 1 Afrikaans, as the print frame's language choice).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/working.h"

namespace quorin {

// "4 783.08", "245 101", "27.5", "01/03/2026", "2027".
std::string formatFigure(double v, FigureKind kind);

// A label, figure name or rule in the language; English when no
// translation is known.
std::string workingWord(std::string_view english, int language);

// The step's label, after its subject when it has one ("Vehicle 2: Days of use").
std::string workingLabel(const WorkingStep& step, int language);
// The figures that went in as a person reads them: amounts of 0 are left
// out, unless all are 0.
std::vector<const WorkingFigure*> shownInputs(const WorkingStep& step);
// "annual taxable income 360 000.00, age 40": the figures shownInputs gives.
std::string workingInputs(const WorkingStep& step, int language);
// The rule with its figures and the year filled in.
std::string workingRule(const WorkingStep& step, int taxYear, int language);

// The heading of the working page and panel.
std::string workingTitle(int language);

// The steps as aligned lines: label, value, then the inputs and the rule
// indented below.
std::vector<std::string> workingLines(const Working& working, int language);

// The Afrikaans of an English label, figure name or rule of the pay-period
// calculators' working, or nullptr.
const char* afrikaansWorkingWord(std::string_view english);

}  // namespace quorin
