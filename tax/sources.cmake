list(APPEND QUORIN_CORE_SOURCES
  tax/tax_year.cpp
  tax/tax_year_file.cpp
  tax/eti_table.cpp
  tax/tax_scale.cpp
  tax/ruravuvo.cpp
)
list(APPEND QUORIN_GUI_SOURCES
  tax/ruravuvo_window.cpp
)
