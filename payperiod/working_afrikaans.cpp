// The Afrikaans of the pay-period calculators' working, for their
// Afrikaans printouts: labels, figure names and rules, looked up by their
// English text.
#include <string_view>

#include "common/working_text.h"

namespace quorin {

namespace {

struct Words {
  std::string_view english;
  const char* afrikaans;
};

constexpr Words kWords[] = {
    {"How these figures were worked out", "Hoe hierdie syfers bereken is"},
    {"Step", "Stap"},
    {"Figures used", "Syfers gebruik"},
    {"Rule", "Reël"},
    {"Value", "Waarde"},
    // labels
    {"Taxable travel allowance", "Belasbare reistoelae"},
    {"Remuneration", "Besoldiging"},
    {"Retirement fund deduction", "Aftrekking vir aftreefondsbydraes"},
    {"Taxable income of the period", "Belasbare inkomste van die tydperk"},
    {"Annual equivalent", "Jaarlikse ekwivalent"},
    {"Annual taxable income with the bonus", "Jaarlikse belasbare inkomste met die bonus"},
    {"Rebate by age", "Korting volgens ouderdom"},
    {"Tax on the scale", "Belasting volgens die skaal"},
    {"Tax on the scale with the bonus", "Belasting volgens die skaal met die bonus"},
    {"Tax on the scale without the bonus", "Belasting volgens die skaal sonder die bonus"},
    {"Tax after the rebate with the bonus", "Belasting na korting met die bonus"},
    {"Tax after the rebate without the bonus", "Belasting na korting sonder die bonus"},
    {"Tax on the bonus", "Belasting op die bonus"},
    {"Tax of the period", "Belasting van die tydperk"},
    {"UIF remuneration", "WVF-besoldiging"},
    {"Employee's UIF", "Werknemer se WVF"},
    {"Employer's UIF", "Werkgewer se WVF"},
    {"Skills development levy", "Vaardigheidsontwikkelingsheffing"},
    {"Medical scheme fees credit", "Mediese skemabydraekrediet"},
    {"Additional medical expenses credit", "Bykomende mediese uitgawekrediet"},
    {"Tax to deduct", "Belasting af te trek"},
    // figure names
    {"travel allowance", "reistoelae"},
    {"taxable travel allowance", "belasbare reistoelae"},
    {"salary", "salaris"},
    {"commission", "kommissie"},
    {"bonus", "bonus"},
    {"employer's medical aid", "werkgewer se mediese fonds"},
    {"employer's retirement fund", "werkgewer se aftreefonds"},
    {"contributions", "bydraes"},
    {"remuneration", "besoldiging"},
    {"retirement fund deduction", "aftreefondsaftrekking"},
    {"taxable income of the period", "belasbare inkomste van die tydperk"},
    {"annual equivalent", "jaarlikse ekwivalent"},
    {"taxable income", "belasbare inkomste"},
    {"age", "ouderdom"},
    {"tax with the bonus", "belasting met die bonus"},
    {"tax without the bonus", "belasting sonder die bonus"},
    {"with the bonus", "met die bonus"},
    {"without the bonus", "sonder die bonus"},
    {"tax of the period", "belasting van die tydperk"},
    {"tax on the bonus", "belasting op die bonus"},
    {"rebate", "korting"},
    {"UIF remuneration", "WVF-besoldiging"},
    {"beneficiaries", "begunstigdes"},
    {"beneficiary-months", "begunstigde-maande"},
    {"employee's medical contribution", "werknemer se mediese bydrae"},
    {"employer's medical contribution", "werkgewer se mediese bydrae"},
    {"medical scheme fees credit", "mediese skemabydraekrediet"},
    {"additional medical expenses credit", "bykomende mediese uitgawekrediet"},
    {"March", "Maart"},
    {"April", "April"},
    {"May", "Mei"},
    {"June", "Junie"},
    {"July", "Julie"},
    {"August", "Augustus"},
    {"September", "September"},
    {"October", "Oktober"},
    {"November", "November"},
    {"December", "Desember"},
    {"January", "Januarie"},
    {"February", "Februarie"},
    // rules
    {"{inclusion} of the allowance", "{inclusion} van die toelae"},
    {"salary + commission + bonus + taxable travel allowance + employer's medical aid + employer's retirement fund",
     "salaris + kommissie + bonus + belasbare reistoelae + werkgewer se mediese fonds + werkgewer se aftreefonds"},
    {"salary + commission + bonus + {inclusion} of the travel allowance + employer's medical aid + employer's "
     "retirement fund",
     "salaris + kommissie + bonus + {inclusion} van die reistoelae + werkgewer se mediese fonds + werkgewer se "
     "aftreefonds"},
    {"bound by the cap: {cap} a year / {periods} of {year}", "beperk deur die plafon: {cap} per jaar / {periods} van {year}"},
    {"the contributions: within {percent} % of the remuneration ({share}) and the cap {cap} a year / {periods}",
     "die bydraes: binne {percent} % van die besoldiging ({share}) en die plafon {cap} per jaar / {periods}"},
    {"bound by {percent} % of the remuneration: {share}, within the cap {cap} a year / {periods}",
     "beperk deur {percent} % van die besoldiging: {share}, binne die plafon {cap} per jaar / {periods}"},
    {"bound by the cap: {cap} a year of {year}", "beperk deur die plafon: {cap} per jaar van {year}"},
    {"the contributions: within {percent} % of the remuneration ({share}) and the cap {cap} a year",
     "die bydraes: binne {percent} % van die besoldiging ({share}) en die plafon {cap} per jaar"},
    {"bound by {percent} % of the remuneration: {share}, within the cap {cap} a year",
     "beperk deur {percent} % van die besoldiging: {share}, binne die plafon {cap} per jaar"},
    {"remuneration without the bonus, less the retirement fund deduction",
     "besoldiging sonder die bonus, min die aftreefondsaftrekking"},
    {"x {days in month} / {days worked} x 12 months", "x {days in month} / {days worked} x 12 maande"},
    {"x 52 weeks x {normal days} / {days worked}", "x 52 weke x {normal days} / {days worked}"},
    {"x 26 fortnights x {normal days} / {days worked}", "x 26 tweeweke x {normal days} / {days worked}"},
    {"x 260 working days", "x 260 werksdae"},
    {"x {year days} / {days} days of the period", "x {year days} / {days} dae van die tydperk"},
    {"annual equivalent + bonus, the bonus not annualised",
     "jaarlikse ekwivalent + bonus, die bonus nie geannualiseer nie"},
    {"under 65: primary {primary} of {year}", "onder 65: primêr {primary} van {year}"},
    {"from age 65: primary {primary} + secondary {secondary} of {year}",
     "vanaf 65: primêr {primary} + sekondêr {secondary} van {year}"},
    {"from age 75: primary {primary} + secondary {secondary} + tertiary {tertiary} of {year}",
     "vanaf 75: primêr {primary} + sekondêr {secondary} + tersiêr {tertiary} van {year}"},
    {"bracket {from} - {to} of {year}: {base tax} + {rate} % above {above}",
     "skaal {from} - {to} van {year}: {base tax} + {rate} % bo {above}"},
    {"bracket above {above} of {year}: {base tax} + {rate} % above {above}",
     "skaal bo {above} van {year}: {base tax} + {rate} % bo {above}"},
    {"(with the bonus - rebate) - (without - rebate), each not below 0, + (without - rebate) / 12 x {days worked} / "
     "{days in month}",
     "(met die bonus - korting) - (sonder - korting), elk nie minder as 0 nie, + (sonder - korting) / 12 x "
     "{days worked} / {days in month}"},
    {"(with the bonus - without) + (without - rebate) / 52 x {days worked} / {normal days}, not below 0",
     "(met die bonus - sonder) + (sonder - korting) / 52 x {days worked} / {normal days}, nie minder as 0 nie"},
    {"(with the bonus - without) + (without - rebate) / 26 x {days worked} / {normal days}, not below 0",
     "(met die bonus - sonder) + (sonder - korting) / 26 x {days worked} / {normal days}, nie minder as 0 nie"},
    {"(with the bonus - without) + (without - rebate) / 260, not below 0",
     "(met die bonus - sonder) + (sonder - korting) / 260, nie minder as 0 nie"},
    {"tax on the scale less the rebate, cut to whole rand (travel allowance or commission), not below 0",
     "belasting volgens die skaal min die korting, afgekap tot hele rande (reistoelae of kommissie), nie minder as "
     "0 nie"},
    {"tax on the scale less the rebate, not below 0", "belasting volgens die skaal min die korting, nie minder as 0 nie"},
    {"with the bonus - without, not pro-rated", "met die bonus - sonder, nie eweredig verdeel nie"},
    {"tax without the bonus x {days} / {year days} + tax on the bonus",
     "belasting sonder die bonus x {days} / {year days} + belasting op die bonus"},
    {"tax without the bonus + tax on the bonus", "belasting sonder die bonus + belasting op die bonus"},
    {"remuneration without the commission", "besoldiging sonder die kommissie"},
    {"{percent} % of the ceiling {ceiling} a period", "{percent} % van die plafon {ceiling} per tydperk"},
    {"{percent} % of the UIF remuneration, below the ceiling {ceiling}",
     "{percent} % van die WVF-besoldiging, onder die plafon {ceiling}"},
    {"{percent} % of (UIF remuneration - retirement fund deduction + commission), no ceiling",
     "{percent} % van (WVF-besoldiging - aftreefondsaftrekking + kommissie), geen plafon"},
    {"only with a medical aid contribution", "slegs met 'n mediesefondsbydrae"},
    {"{first two} a month for each of the first two beneficiaries of {year}",
     "{first two} per maand vir elk van die eerste twee begunstigdes van {year}"},
    {"{first two} a month for each of the first two beneficiaries and {further} for each further one, of {year}",
     "{first two} per maand vir elk van die eerste twee begunstigdes en {further} vir elke verdere een, van {year}"},
    {"a quarter of the month's credit: {first two} for each of the first two beneficiaries and {further} for each "
     "further one, of {year}",
     "'n kwart van die maand se krediet: {first two} vir elk van die eerste twee begunstigdes en {further} vir elke "
     "verdere een, van {year}"},
    {"half the month's credit: {first two} for each of the first two beneficiaries and {further} for each further "
     "one, of {year}",
     "die helfte van die maand se krediet: {first two} vir elk van die eerste twee begunstigdes en {further} vir "
     "elke verdere een, van {year}"},
    {"the month's credit x 12 / 260: {first two} for each of the first two beneficiaries and {further} for each "
     "further one, of {year}",
     "die maand se krediet x 12 / 260: {first two} vir elk van die eerste twee begunstigdes en {further} vir elke "
     "verdere een, van {year}"},
    {"the month's credit for each month of the period: {first two} for each of the first two beneficiaries and "
     "{further} for each further one, of {year}",
     "die maand se krediet vir elke maand van die tydperk: {first two} vir elk van die eerste twee begunstigdes en "
     "{further} vir elke verdere een, van {year}"},
    {"from age 65: (contributions - {multiple} x the credit) x {factor}, not below 0",
     "vanaf 65: (bydraes - {multiple} x die krediet) x {factor}, nie minder as 0 nie"},
    {"only from age 65, with a medical scheme fees credit", "slegs vanaf 65, met 'n mediese skemabydraekrediet"},
    {"tax of the period less both credits, not below 0",
     "belasting van die tydperk min albei krediete, nie minder as 0 nie"},
};

}  // namespace

const char* afrikaansWorkingWord(std::string_view english) {
  for (const Words& w : kWords)
    if (w.english == english) return w.afrikaans;
  return nullptr;
}

}  // namespace quorin
