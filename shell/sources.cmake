list(APPEND QUORIN_CORE_SOURCES
  shell/money.cpp
  shell/day_number.cpp
  shell/session_state.cpp
)
