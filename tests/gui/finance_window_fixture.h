// A business calculator window opened on a temporary copy of the data
// files, driven through its widgets, with its messages and beeps recorded
// and its printouts read back from the report database.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>
#include <QVariant>
#include <memory>

#include "finance/business_window.h"
#include "report/report_control.h"
#include "report/report_preview_window.h"
#include "shell/session_state.h"
#include "test_folder.h"
#include "window_driver.h"
#include "window_harness.h"
#include "widgets/entry_field.h"
#include "widgets/message_sink.h"
#include "widgets/window_context.h"

namespace quorin::test {

template <class Window>
struct FinanceWindowFixture : WindowDriver<Window> {
  int beeps = 0;

  void prepare(Window& w) override { w.beeper = [this] { ++beeps; }; }

  void spin(const char* name, bool up) {
    auto* b = this->window->template findChild<QToolButton*>(QString::fromLatin1(name) + (up ? "Up" : "Down"));
    ASSERT_TRUE(b) << name;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  QVariant single(const char* table, const char* field) const {
    auto values = this->column(table, field);
    EXPECT_EQ(values.size(), 1u) << table;
    return values.empty() ? QVariant() : values.front();
  }
  void exec(const QString& sql) const { this->execSql(sql); }
  bool frameShown() const { return this->widget("fraPrint")->isVisible(); }
  QString previewTitle() const {
    return this->report.lastPreview() ? this->report.lastPreview()->windowTitle() : QString();
  }
};

}  // namespace quorin::test
