// The base of every calculator window: the field kit helpers that lay out
// captions and fields, the main buttons that a shown frame disables, the
// refusal of a bad field (message and focus back), the settings store and
// the print path through the report database and the report control.
// A calculator window is then mostly its fields and a call to its
// calculation.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/working.h"
#include "report/feed_record.h"
#include "widgets/busy_cursor.h"
#include "settings/settings_record.h"
#include "widgets/entry_field.h"
#include "widgets/window_context.h"
#include "widgets/window_fit.h"

namespace quorin::tax {
struct TaxYear;
}

class QBoxLayout;
class QGridLayout;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace quorin {

class PrintFrame;

class SetupPanel;
class WorkingPanel;

class CalculatorWindow : public QWidget {
  Q_OBJECT
 public:
  CalculatorWindow(WindowContext& context, const QString& name, const QString& caption, QWidget* parent = nullptr);
  ~CalculatorWindow() override;

  WindowContext& context() { return context_; }
  SessionState& state();
  const SessionState& state() const;

  // Sizes the window's frame in the main window's area to its contents
  // (growing only, or to the preferred size).
  void fitToContents(Fit fit = Fit::Contents);

 protected:
  // An entry field with its caption in the grid (caption in column, field in
  // column + 1); its refusals are shown by this window.
  EntryField* addField(QGridLayout* grid, int row, int column, const QString& caption, const QString& name,
                       const FieldLimit& limit);
  // A read-only result field.
  EntryField* addResult(QGridLayout* grid, int row, int column, const QString& caption, const QString& name,
                        int decimals = 2);
  // Takes over a field built elsewhere (its refusals are shown here).
  void adoptField(EntryField* field);

  // A button of the window's button row; main buttons are disabled while
  // a frame is shown.
  QPushButton* addButton(const QString& name, const QString& caption, bool mainButton = true);
  // A frame (setup, print, information) below the fields, hidden until
  // shown; while it shows, the main buttons are disabled.
  void addFrame(QWidget* frame);
  void showFrame(QWidget* frame);
  void hideFrame(QWidget* frame);

  QVBoxLayout* body() const { return body_; }

  // Checks every entry field; the first refused one gets its message and
  // the focus, and false is returned.
  bool acceptFields();
  void refuse(const Refusal& refusal);  // the message begins with the field's caption
  void reportFailure(const QString& title, const std::string& error);

  // The tax year in use for the run (the session's).
  const tax::TaxYear& taxYear();
  // The Setup frame's "Tax year" choice: offered when the frame is filled,
  // taken when its O&K is pressed (kept for the installation).
  void offerTaxYears(SetupPanel* panel);
  void takeTaxYear(SetupPanel* panel);

  std::optional<SettingsRecord> loadSettings();
  bool saveSettings(const SettingsRecord& record, std::uint32_t fields);

  // Writes a feed record or rows into the report database; a failure is
  // reported and false returned.
  bool writeRecord(const FeedRecord& record);
  bool writeRows(const FeedRows& rows);
  // One print: writes the record and rows and runs the report beside the
  // program from them (preview with the title for choice 0, printer for 1).
  // A tax printout states the year in use and the settings given; a
  // failure has been reported when false is returned.
  struct Print {
    std::optional<FeedRecord> record;
    std::optional<FeedRows> rows;
    bool taxYear = false;
    std::optional<SettingsRecord> settings;
    std::uint32_t settingsFields = 0;
    int language = 0;
    std::vector<FeedField> extras;
    // The working printed after the printout (in its language), or none.
    const Working* working = nullptr;
  };
  bool print(const char* reportFile, const QString& title, int choice, Print print);
  // The Print or Preview of a print frame with a language choice: the frame
  // closed and, with a language chosen and the window's inputs accepted by
  // recalculate() (a printout carries the figures of the inputs on the
  // window now), a Print in that language with the working as the frame
  // asks; nothing otherwise.
  std::optional<Print> printFromFrame(PrintFrame* frame, int choice, const std::function<bool()>& recalculate);
  // The same for a record and rows written just before with writeRecord
  // and writeRows: the report is laid out from them, without a year or
  // settings of its own.
  bool launch(const char* reportFile, const QString& title, int choice);

  using Busy = BusyCursor;

  // The working of the last calculation. A calculation records into
  // recordWorking() (emptied first); once its figures are on the window,
  // keepWorking() makes it the working the "Working o&ut" panel shows and
  // the printouts follow with. A refused calculation keeps the one before.
  Working* recordWorking();
  void keepWorking();
  // nullptr before any calculation was kept.
  const Working* working() const { return workingKept_ ? &working_ : nullptr; }
  // The "Working o&ut" button (cmdWorking) in the button row and its panel
  // (fraWorking), a frame below the fields; call where the button belongs.
  QPushButton* addWorkingButton();
  // The print frame's choice: the working when it is to be printed and
  // there is one.
  const Working* workingToPrint(bool chosen) const { return chosen ? working() : nullptr; }
  // The working panel was closed (its main buttons enabled again): a window
  // that enables some of them only in some states sets them again here.
  virtual void workingClosed() {}

  // Activation (the window opened, brought forward or its main window
  // activated again): the windows that show their shared values again and
  // recalculate do it here.
  virtual void activated() {}

 public:
  // Another tax year was chosen (in this window or another): the Setup
  // frame's choice shows it, then taxYearChosen().
  void followTaxYear();
  // The windows whose date fields follow the year set their dates and
  // limits here.
  virtual void taxYearChosen() {}

 protected:

  // On first showing, the focus goes to the first field the user can type in.
  void showEvent(QShowEvent* event) override;
  // Closing the window (its OK button or its close box) closes its frame in
  // the main window's area too.
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  // Esc closes the window as its close box does.
  void keyPressEvent(QKeyEvent* event) override;

  template <class T = QWidget>
  T* field(const QString& name) const {
    return findChild<T*>(name);
  }

 private:
  // The first field of a frame the typing goes to when it is shown.
  static QWidget* firstFieldIn(QWidget* frame);

  WindowContext& context_;
  BodyScrollArea* scroll_;
  QVBoxLayout* body_;
  QPointer<QWidget> focusBefore_;
  QPointer<EntryField> lastField_;  // the last field that had the focus
  QHBoxLayout* buttons_;
  std::vector<QPushButton*> mainButtons_;
  std::vector<QWidget*> frames_;
  // The last refusal shown, so that leaving a bad field and pressing a
  // button in one click shows its message once, not twice.
  std::string lastRefusal_;
  qint64 lastRefusalAt_ = 0;
  bool shownOnce_ = false;
  std::optional<FeedRecord> written_;  // what writeRecord and writeRows last wrote, for launch
  std::optional<FeedRows> writtenRows_;
  SetupPanel* yearPanel_ = nullptr;  // the Setup frame offering the tax year, a child
  bool activating_ = false;
  Working working_;    // the working of the last kept calculation
  Working recording_;  // the working of the calculation under way
  bool workingKept_ = false;
  WorkingPanel* workingPanel_ = nullptr;
};

}  // namespace quorin
