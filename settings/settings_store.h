// The Setup row of Settings.db. Every operation opens the database, works
// inside one transaction and closes it again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings_limits.h"
#include "settings/settings_record.h"

namespace quorin {

struct SettingsLoad {
  SettingsRecord record;
  std::optional<std::string> error;  // set when the store could not be read
  // Set when a stored value is not a number (held as NaN in the record) or
  // breaks its field's limits (held as stored): nothing may be worked out
  // from the record until it is corrected.
  std::optional<Refusal> invalid;
};

// Reads the row. When the file, the table or the row is missing it is
// created with the 2026 defaults (and those are returned).
SettingsLoad LoadSettings(const std::string& databasePath);

// Writes the chosen fields (SettingsField bits) into the row and leaves the
// others as they are. Returns the error text on failure; nothing is written
// then.
std::optional<std::string> SaveSettings(const std::string& databasePath, const SettingsRecord& record,
                                        std::uint32_t fields = kAllSettings);

}  // namespace quorin
