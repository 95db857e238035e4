// The pay-period calculator windows offered by the main window's menu.
#include "eti/eti_window.h"
#include "payperiod/annual_tax_window.h"
#include "payperiod/period_tax_window.h"
#include "shell/window_catalogue.h"

namespace quorin {

void addPayPeriodWindows(WindowCatalogue& catalogue) {
  const std::pair<const char*, PeriodKind> periodic[] = {{"frmMonthly", PeriodKind::Monthly},
                                                         {"frmWeekly", PeriodKind::Weekly},
                                                         {"frmFortNight", PeriodKind::Fortnightly},
                                                         {"frmDaily", PeriodKind::Daily}};
  for (const auto& [name, kind] : periodic)
    catalogue.add(QString::fromLatin1(name), [kind](WindowContext& c) { return new PeriodTaxWindow(c, kind); });
  catalogue.add(QStringLiteral("frmAnnual"), [](WindowContext& c) { return new AnnualTaxWindow(c); });
  // Offered beside them: the employer's incentive against the PAYE.
  catalogue.add(QStringLiteral("frmETI"), [](WindowContext& c) { return new EtiWindow(c); });
}

}  // namespace quorin
