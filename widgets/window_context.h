// What every calculator window is handed by the main window: the session's
// shared values, the message sink and the one report control.
#pragma once

#include <functional>

namespace quorin {

struct SessionState;
class MessageSink;
class ReportControl;

struct WindowContext {
  SessionState& state;
  MessageSink& messages;
  ReportControl& report;
  // Called after a window chose another tax year (the main window shows it).
  std::function<void()> taxYearChanged = {};
};

}  // namespace quorin
