list(APPEND QUORIN_CORE_SOURCES
  shell/money.cpp
  shell/day_number.cpp
  shell/session_state.cpp
  shell/version.cpp
)
# Windows of the shell: main window, start-up, auxiliary windows
list(APPEND QUORIN_GUI_SOURCES
)
