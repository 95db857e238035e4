#include "shell/window_catalogue.h"

namespace quorin {

WindowCatalogue fullCatalogue() {
  WindowCatalogue c;
  addTaxWindows(c);
  addPayPeriodWindows(c);
  addFinanceWindows(c);
  return c;
}

}  // namespace quorin
