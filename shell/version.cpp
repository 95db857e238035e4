#include "shell/version.h"

#include <cstdio>

#include "shell/build_version.h"

namespace quorin {

ProgramVersion programVersion() { return {kBuildVersionMajor, kBuildVersionMinor, kBuildVersionRevision}; }

std::string versionText(const ProgramVersion& v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d.%02d.%03d", v.major, v.minor, v.revision);
  return buf;
}

long long disclaimerNumber(const ProgramVersion& v) {
  return std::stoll(std::to_string(v.major) + std::to_string(v.minor) + std::to_string(v.revision));
}

std::string mainCaption(const ProgramVersion& v) {
  return "Quorin 2026 Ver: " + versionText(v) + "  " + kPublisherNotice;
}

}  // namespace quorin
