list(APPEND QUORIN_CORE_SOURCES
  tax/tax_scale.cpp
  tax/ruravuvo.cpp
)
