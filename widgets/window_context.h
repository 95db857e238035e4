// What every calculator window is handed by the main window: the session's
// shared values, the message sink and the one report control.
#pragma once

namespace quorin {

struct SessionState;
class MessageSink;
class ReportControl;

struct WindowContext {
  SessionState& state;
  MessageSink& messages;
  ReportControl& report;
};

}  // namespace quorin
