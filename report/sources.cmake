list(APPEND QUORIN_CORE_SOURCES
  report/report_schema.cpp
  report/report_run.cpp
)
list(APPEND QUORIN_DATA_SOURCES
  report/sql_connection.cpp
  report/report_store.cpp
  report/whole_file.cpp
)
# The report layout: Mustache templates to QTextDocument and PDF (Qt Gui)
list(APPEND QUORIN_REPORT_SOURCES
  report/report_document.cpp
  report/working_page.cpp
)
# quorin-cli's PDF printer, a plugin loaded on demand
list(APPEND QUORIN_PDF_PRINTER_SOURCES
  report/pdf_printer_plugin.cpp
)
list(APPEND QUORIN_GUI_SOURCES
  report/report_control.cpp
  report/report_preview_window.cpp
)
