// Changes a year file in a test's data folder (tax-years/YEAR.json) before
// the program reads it.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "test_folder.h"

namespace quorin::test {

inline void editYearFile(const TestFolder& folder, int year, const std::function<void(nlohmann::json&)>& edit) {
  QFile file(folder.qfile(("tax-years/" + std::to_string(year) + ".json").c_str()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << year;
  nlohmann::json j = nlohmann::json::parse(file.readAll().toStdString());
  file.close();
  edit(j);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << year;
  file.write(QByteArray::fromStdString(j.dump(2)));
}

}  // namespace quorin::test
