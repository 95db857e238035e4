// Which calculator windows exist and how each is made. The main window's
// menu enables the items of the windows found here; each subsystem adds its
// own windows.
#pragma once

#include <QString>
#include <functional>
#include <map>

class QWidget;

namespace quorin {

struct WindowContext;

using WindowFactory = std::function<QWidget*(WindowContext&)>;

class WindowCatalogue {
 public:
  void add(const QString& name, WindowFactory factory) { factories_[name] = std::move(factory); }
  const WindowFactory* find(const QString& name) const {
    auto it = factories_.find(name);
    return it == factories_.end() ? nullptr : &it->second;
  }

 private:
  std::map<QString, WindowFactory> factories_;
};

// Every calculator window of the program.
WindowCatalogue fullCatalogue();

void addTaxWindows(WindowCatalogue& catalogue);
void addPayPeriodWindows(WindowCatalogue& catalogue);
void addFinanceWindows(WindowCatalogue& catalogue);
void addPackageWindows(WindowCatalogue& catalogue);
void addVehicleWindows(WindowCatalogue& catalogue);

}  // namespace quorin
