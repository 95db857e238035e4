// The business calculator windows offered by the main window's menu.
#include "shell/window_catalogue.h"

namespace quorin {

void addFinanceWindows(WindowCatalogue&) {}

}  // namespace quorin
