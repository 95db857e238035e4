list(APPEND QUORIN_DATA_SOURCES
  settings/settings_store.cpp
)
