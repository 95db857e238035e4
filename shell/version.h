// The program version as the caption, the about window and the disclaimer
// use it.
#pragma once

#include <string>

namespace quorin {

struct ProgramVersion {
  int major;
  int minor;
  int revision;
};

// The version this program was built as.
ProgramVersion programVersion();

// "1.02.005" for 1.2.5: minor at least two digits, revision at least three.
std::string versionText(const ProgramVersion& v);

// The digits written one after the other: 1.2.5 gives 125, 1.0.12 gives 1012.
long long disclaimerNumber(const ProgramVersion& v);

// "Quorin 2026 Ver: 1.02.005  " followed by the publisher's notice.
std::string mainCaption(const ProgramVersion& v);

inline constexpr const char* kPublisherNotice = "(c) Quorin Payroll Software";

// The publisher's web site, as the about window shows it, and the page of
// video lectures on it.
inline constexpr const char* kPublisherWebSite = "www.quorinpayroll.co.za";
inline constexpr const char* kVideoLecturesAddress = "https://www.quorinpayroll.co.za/video-lectures";

}  // namespace quorin
