#include "shell/start_options.h"

#include <array>
#include <string_view>

#include "shell/version.h"

namespace quorin {

namespace {

// The toolkit's options that take a value, and those that stand alone
// (-session is how the desktop's session manager restarts the program).
constexpr std::array<std::string_view, 8> kToolkitWithValue{
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-style", "-display", "-session", "-qwindowgeometry"};
constexpr std::array<std::string_view, 2> kToolkitAlone{"-reverse", "-nograb"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& list, std::string_view arg) {
  for (auto name : list)
    if (arg == name || (arg.size() > 1 && arg[1] == '-' && arg.substr(1) == name)) return true;
  return false;
}

}  // namespace

std::string versionLine(const std::string& program) {
  return program + " (Quorin 2026) " + versionText(programVersion());
}

std::string startHelpText() {
  return "quorin: the Quorin 2026 calculators in windows\n"
         "Usage: quorin [OPTIONS]\n"
         "\n"
         "Options:\n"
         "  -h,--help                   Print this help message and exit\n"
         "  -v,--version                Print the version and exit\n"
         "  -platform NAME              the display platform (xcb, wayland, offscreen)\n"
         "  -style NAME                 the look of the widgets (Fusion, Windows)\n"
         "  -display DISPLAY            the X11 display to use\n"
         "  -session NAME               restores a desktop session (the session manager passes it)\n";
}

StartOptions readStartOptions(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") return {StartOptions::Action::Help, startHelpText()};
    if (arg == "-v" || arg == "--version") return {StartOptions::Action::Version, versionLine("quorin") + "\n"};
    if (among(kToolkitAlone, arg)) continue;
    if (among(kToolkitWithValue, arg) && i + 1 < args.size()) {
      ++i;
      continue;
    }
    const std::string what = among(kToolkitWithValue, arg) ? "The option " + arg + " needs a value."
                             : !arg.empty() && arg[0] == '-' ? "Unknown option " + arg + "."
                                                             : "Unexpected argument " + arg + ": quorin opens no files.";
    return {StartOptions::Action::Usage, what + "\n" + startHelpText()};
  }
  return {};
}

}  // namespace quorin
