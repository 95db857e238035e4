// What the Employment Tax Incentive window prints: the one row of the feed
// table ETI (every input and result, captions in English or Afrikaans),
// its report file and preview title.
#pragma once

#include <string>

#include "eti/eti.h"
#include "report/feed_record.h"

namespace quorin {

inline constexpr const char* kEtiTable = "ETI";
inline constexpr const char* kEtiReport = "ETI.rpt";
inline constexpr const char* kEtiTitle =
    "Employment Tax Incentive - To export printout click on the suitcase button or goto Help";

// The row: caption fields in the print language (0 English, 1 Afrikaans),
// value fields the same in both; amounts unrounded except the ETI and the
// roll-over, which are to the cent. Inputs left blank are empty texts.
FeedRecord EtiRecord(const EtiInput& in, const EtiResult& r, const tax::TaxYear& year,
                     const std::string& employeeName, int printLanguage);

}  // namespace quorin
