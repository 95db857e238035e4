#include "install/install_layout.h"

#include <filesystem>

#include "install/install_dirs.h"

namespace quorin {

namespace {

std::string besideProgram(const std::string& programFolder, const char* relative) {
  return (std::filesystem::path(programFolder) / relative).lexically_normal().string();
}

}  // namespace

std::string sharedDataFolder(const std::string& programFolder) {
  return besideProgram(programFolder, kShareFromBin);
}

std::string pdfPrinterPath(const std::string& programFolder) {
  return besideProgram(programFolder, kPluginFromBin) + "/" + kPdfPrinterFile;
}

}  // namespace quorin
