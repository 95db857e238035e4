list(APPEND QUORIN_CORE_SOURCES
  finance/annuity.cpp
  finance/loans.cpp
  finance/amortisation.cpp
  finance/loan_buster.cpp
  finance/loan_comparison.cpp
  finance/inflation.cpp
  finance/daily_balance.cpp
  finance/finance_fields.cpp
  finance/finance_records.cpp
)

# windows
list(APPEND QUORIN_GUI_SOURCES
  finance/business_window.cpp
  finance/loans_window.cpp
  finance/loan_graph_window.cpp
  finance/loan_buster_window.cpp
  finance/loan_comparison_window.cpp
  finance/inflation_window.cpp
  finance/daily_balance_window.cpp
  finance/finance_windows.cpp
)
