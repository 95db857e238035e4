# The field kit and the calculator window base
list(APPEND QUORIN_GUI_SOURCES
  widgets/message_sink.cpp
  widgets/entry_field.cpp
  widgets/spin_button.cpp
  widgets/print_frame.cpp
  widgets/setup_panel.cpp
  widgets/calculator_window.cpp
  widgets/window_fit.cpp
  widgets/access_keys.cpp
  widgets/working_panel.cpp
)
