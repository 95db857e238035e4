list(APPEND QUORIN_CORE_SOURCES
  package/salary_package.cpp
  package/net_to_gross.cpp
  package/package_working.cpp
  package/package_fields.cpp
  package/package_records.cpp
)

# windows
list(APPEND QUORIN_GUI_SOURCES
  package/package_window.cpp
  package/package_windows.cpp
)
