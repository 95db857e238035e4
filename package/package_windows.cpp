// The salary package windows offered by the main window's Quorin and Velmar
// menus.
#include "package/package_window.h"
#include "shell/window_catalogue.h"

namespace quorin {

void addPackageWindows(WindowCatalogue& catalogue) {
  const std::pair<const char*, PackageKind> windows[] = {{"frmVelmMon", PackageKind::VelmarMonthly},
                                                         {"frmVelmAnn", PackageKind::VelmarAnnual},
                                                         {"frmQuorinMon", PackageKind::QuorinMonthly},
                                                         {"frmQuorinAnn", PackageKind::QuorinAnnual}};
  for (const auto& [name, kind] : windows)
    catalogue.add(QString::fromLatin1(name), [kind](WindowContext& c) { return new PackageWindow(c, kind); });
}

}  // namespace quorin
