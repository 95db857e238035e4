// Every message box of the program goes through a MessageSink, so tests
// can read the messages instead of being blocked by a modal box.
#pragma once

#include <QString>
#include <vector>

namespace quorin {

enum class MessageIcon { Error, Warning, Information };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void show(MessageIcon icon, const QString& title, const QString& text) = 0;
};

// The text as a message box shows it: a grouped number ("99 999 999") is
// joined with no-break spaces so that it is never broken across lines.
QString unbreakableNumbers(const QString& text);

// The real one: a modal box with the icon and an OK button. Any busy
// pointer is lifted while the box is up.
class BoxMessageSink : public MessageSink {
 public:
  void show(MessageIcon icon, const QString& title, const QString& text) override;
};

// Keeps the messages for a test to read.
class RecordingMessageSink : public MessageSink {
 public:
  struct Message {
    MessageIcon icon;
    QString title;
    QString text;
  };
  void show(MessageIcon icon, const QString& title, const QString& text) override {
    messages.push_back({icon, title, text});
  }
  void clear() { messages.clear(); }
  const Message* last() const { return messages.empty() ? nullptr : &messages.back(); }
  std::vector<Message> messages;
};

}  // namespace quorin
