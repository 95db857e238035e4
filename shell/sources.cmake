list(APPEND QUORIN_CORE_SOURCES
  shell/session_state.cpp
  shell/version.cpp
  shell/start_options.cpp
  shell/help_view_size.cpp
)
# Windows of the shell: main window, start-up, auxiliary windows
list(APPEND QUORIN_GUI_SOURCES
  shell/disclaimer_window.cpp
  shell/about_window.cpp
  shell/help_window.cpp
  shell/window_catalogue.cpp
  shell/main_window.cpp
  shell/window_arrangement.cpp
)
