list(APPEND QUORIN_CORE_SOURCES
  payperiod/period_tax.cpp
  payperiod/annual_tax.cpp
  payperiod/payperiod_checks.cpp
  payperiod/payperiod_fields.cpp
  payperiod/payperiod_records.cpp
  payperiod/working_afrikaans.cpp
)

# windows
list(APPEND QUORIN_GUI_SOURCES
  payperiod/payperiod_windows.cpp
  payperiod/pay_window.cpp
  payperiod/period_tax_window.cpp
  payperiod/annual_tax_window.cpp
)
