list(APPEND QUORIN_CLI_SOURCES
  cli/calculator_command.cpp
  cli/cli_app.cpp
  cli/cli_output.cpp
  cli/text_output.cpp
  cli/pdf_printer_loader.cpp
  cli/csv.cpp
  cli/window_cells.cpp
  cli/batch.cpp
  cli/ruravuvo_command.cpp
  cli/payperiod_commands.cpp
  cli/eti_command.cpp
  cli/package_commands.cpp
  cli/finance_commands.cpp
  cli/vehicle_commands.cpp
  cli/tax_years_command.cpp
)
