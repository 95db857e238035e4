// The vehicle calculator windows offered by the main window's menu.
#include "shell/window_catalogue.h"
#include "vehicle/car_allowance_window.h"
#include "vehicle/company_car_window.h"

namespace quorin {

void addVehicleWindows(WindowCatalogue& catalogue) {
  catalogue.add(QStringLiteral("frmCompCar"), [](WindowContext& c) { return new CompanyCarWindow(c); });
  catalogue.add(QStringLiteral("frmCarAll1"), [](WindowContext& c) { return new CarAllowanceWindow(c); });
}

}  // namespace quorin
