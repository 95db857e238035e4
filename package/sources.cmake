list(APPEND QUORIN_CORE_SOURCES
  package/salary_package.cpp
  package/net_to_gross.cpp
  package/package_fields.cpp
  package/package_records.cpp
)
