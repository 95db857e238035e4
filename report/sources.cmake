list(APPEND QUORIN_CORE_SOURCES
  report/report_schema.cpp
)
list(APPEND QUORIN_DATA_SOURCES
  report/sql_connection.cpp
  report/report_store.cpp
  report/report_document.cpp
)
list(APPEND QUORIN_GUI_SOURCES
  report/report_control.cpp
  report/report_preview_window.cpp
)
