list(APPEND QUORIN_CORE_SOURCES
  settings/settings_limits.cpp
)
list(APPEND QUORIN_DATA_SOURCES
  settings/settings_store.cpp
)
