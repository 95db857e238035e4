list(APPEND QUORIN_CORE_SOURCES
  widgets/field_limits.cpp
)
