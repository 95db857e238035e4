list(APPEND QUORIN_CORE_SOURCES
  eti/eti.cpp
  eti/eti_fields.cpp
  eti/eti_record.cpp
)

# window
list(APPEND QUORIN_GUI_SOURCES
  eti/eti_window.cpp
)
