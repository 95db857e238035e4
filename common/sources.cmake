# Plain helpers every calculation uses: money rounding and formats, day
# numbers, twips, field limits, the clock. No Qt.
list(APPEND QUORIN_CORE_SOURCES
  common/money.cpp
  common/day_number.cpp
  common/twips.cpp
  common/field_limits.cpp
  common/regular_file.cpp
  common/quoted_text.cpp
  common/clock.cpp
  common/working.cpp
  common/working_text.cpp
)
