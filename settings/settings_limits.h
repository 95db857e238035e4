// The limits of the Setup row's fields, as the setup panel holds them. A
// stored value that breaks them (or is no number at all) is refused before
// any figure is computed from it. Plain C++: no window or database code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings_record.h"
#include "common/field_limits.h"

namespace quorin {

struct SettingLimit {
  const char* column;    // the Setup table's field
  std::uint32_t bit;     // SettingsField
  FieldLimit limit;
};

// Every numeric field of the row with its limit (the maintenance plan flag
// is a yes/no and has none).
const SettingLimit* settingLimits(std::size_t& count);

// The first field of the record that is not a number or breaks its limit:
// title "Settings", a message naming the field, its value and what to do,
// and the field's name in the Setup table.
std::optional<Refusal> checkSettings(const SettingsRecord& record);

}  // namespace quorin
