// Where an installed program finds its other parts, relative to the folder
// of the program itself, so a package installed under any prefix (or
// unpacked into a staging root) works without environment variables:
//   <prefix>/bin/quorin, quorin-cli       the programs
//   <prefix>/share/quorin/                the shipped data files
//   <prefix>/lib/<multiarch>/quorin/      the PDF printer of quorin-cli
// The build folder has the same shape (build/bin, build/lib/...), with
// the data files beside the programs.
#pragma once

#include <string>

namespace quorin {

// The shipped data files of an installed program.
std::string sharedDataFolder(const std::string& programFolder);

// The plugin quorin-cli loads to print a PDF.
std::string pdfPrinterPath(const std::string& programFolder);

}  // namespace quorin
