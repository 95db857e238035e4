#include "shell/window_catalogue.h"

namespace quorin {

WindowCatalogue fullCatalogue() {
  WindowCatalogue c;
  addTaxWindows(c);
  addPayPeriodWindows(c);
  addPackageWindows(c);
  addVehicleWindows(c);
  addFinanceWindows(c);
  return c;
}

}  // namespace quorin
