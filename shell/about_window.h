// "About Quorin 2026...": program name, version, publisher and legal notice.
// The main window shows and places it.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace quorin {

class AboutWindow : public QWidget {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  QLabel* versionLabel() const { return version_; }
  QPushButton* okButton() const { return ok_; }

 private:
  void closeWindow();

  QLabel* version_;
  QPushButton* ok_;
};

}  // namespace quorin
