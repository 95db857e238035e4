#include "cli/batch.h"

#include <ostream>

#include "cli/cli_output.h"
#include "cli/csv.h"
#include "settings/settings_limits.h"

namespace quorin::cli {

namespace {

constexpr std::size_t kProgressEvery = 100000;

bool knownColumn(const Calculator& calc, const std::string& name) {
  return findFlag(calc, name) || name == "name" || name == "language";
}

// What stays the same from row to row of one file: the columns resolved to
// the calculator's flags, the checks in their order, the settings as stored
// and whether they pass, and the scratch state a row works in.
class RowRunner {
 public:
  RowRunner(const Calculator& calc, Inputs& inputs, const SessionState& session, const SettingsRecord& settings)
      : calc_(calc), inputs_(inputs), checks_(calc, inputs), session_(session), rowSession_(session),
        settings_(settings) {
    if (calc.usesSettings) storedRefusal_ = checkSettings(settings);
  }

  // Works out the row held in the inputs; its window figures go to cells.
  Outcome run(WindowCells& cells) {
    cells.clear();
    if (auto r = checks_.run(inputs_)) return Outcome{r};
    // Each row starts from the same session; the copy reuses the scratch
    // session's strings.
    if (calc_.usesSession) rowSession_ = session_;
    Context ctx{rowSession_, settings_, inputs_.text("name"), inputs_.text("language") == "af" ? 1 : 0, true, &cells};
    if (calc_.usesSettings) {
      if (checks_.givesSettings(inputs_)) {
        applySettingsFlags(inputs_, ctx.settings);
        if (auto r = checkSettings(ctx.settings)) return Outcome{r};
      } else if (storedRefusal_) {
        return Outcome{storedRefusal_};
      }
    }
    Outcome o = calc_.run(inputs_, ctx);
    if (!o.refusal && !o.failure && cells.size() == 0) cells.flatten(o.window);
    return o;
  }

 private:
  const Calculator& calc_;
  Inputs& inputs_;
  InputChecks checks_;
  const SessionState& session_;
  SessionState rowSession_;
  const SettingsRecord& settings_;
  std::optional<Refusal> storedRefusal_;
};

// Counts the rows on a terminal's error stream, every so many rows.
class Progress {
 public:
  Progress(std::ostream& err, bool on) : err_(err), on_(on) {}
  void row() {
    if (on_ && ++rows_ % kProgressEvery == 0) err_ << "\r" << rows_ << " rows worked out" << std::flush;
  }
  void finish() {
    if (on_ && rows_ >= kProgressEvery) err_ << "\r" << rows_ << " rows worked out\n" << std::flush;
  }

 private:
  std::ostream& err_;
  bool on_;
  std::size_t rows_ = 0;
};

void writeCell(CsvWriter& w, const WindowCell& c) {
  switch (c.kind) {
    case WindowCell::Kind::Number:
      return w.number(c.number);
    case WindowCell::Kind::Whole:
      return w.whole(c.whole);
    case WindowCell::Kind::Text:
      return w.field(c.text);
  }
}

// The cell of a result column: where the first row put it, or found by name
// when this row's window holds other fields.
const WindowCell* cellFor(const WindowCells& cells, std::size_t column, const std::string& name) {
  if (column < cells.size() && cells[column].named(name)) return &cells[column];
  for (std::size_t i = 0; i < cells.size(); ++i)
    if (cells[i].named(name)) return &cells[i];
  return nullptr;
}

std::string unclosedQuote(const CsvReader& reader) {
  return "The quoted field that begins on line " + std::to_string(reader.quoteLine()) + " (row " +
         std::to_string(reader.record()) + ") has no closing quote; the file was read up to there";
}

std::string fieldCount(const CsvReader& reader, std::size_t fields, std::size_t columns) {
  return "row " + std::to_string(reader.record()) + " has " + std::to_string(fields) +
         (fields == 1 ? " field" : " fields") + ", the header has " + std::to_string(columns);
}

}  // namespace

int runBatch(const Calculator& calc, std::istream& in, std::ostream& out, std::ostream& err,
             const SessionState& session, const SettingsRecord& settings, const BatchOptions& options) {
  CsvReader reader(in, options.delimiter);
  CsvRow header;
  const auto headerStatus = reader.next(header);
  if (headerStatus == CsvReader::Status::End) {
    err << "The input file is empty: it needs a header row\n";
    return kExitFailure;
  }
  if (headerStatus == CsvReader::Status::UnclosedQuote) {
    err << unclosedQuote(reader) << "\n";
    return kExitFailure;
  }

  // One input slot per column, in the header's order.
  Inputs inputs;
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string& name = header[i];
    if (!knownColumn(calc, name)) {
      err << "Unknown column \"" << name << "\" for " << calc.name << "\n";
      return kExitUsage;
    }
    if (inputs.slot(name) != i) {
      err << "The column \"" << name << "\" appears twice in the header: give each column once\n";
      return kExitUsage;
    }
  }
  const std::size_t columns = header.size();
  RowRunner runner(calc, inputs, session, settings);

  // The window's figures of a freshly opened window name the result columns.
  WindowCells cells;
  runner.run(cells);
  std::vector<std::string> results;
  for (std::size_t i = 0; i < cells.size(); ++i) results.push_back(cells[i].name());

  CsvWriter writer(out, options.delimiter);
  for (const auto& name : header) writer.field(name);
  for (const auto& name : results) writer.field(name);
  writer.field("error");
  writer.endRow();

  Progress progress(err, options.progress);
  CsvRow row;
  std::string error;
  CsvReader::Status status;
  while ((status = reader.next(row)) == CsvReader::Status::Row) {
    if (row.size() == 1 && row.front().empty()) continue;  // blank line
    progress.row();
    inputs.clearValues();
    error.clear();
    bool figures = false;
    if (row.size() != columns) {
      // A short or long row has its values under the wrong columns.
      error = fieldCount(reader, row.size(), columns);
    } else {
      for (std::size_t i = 0; i < columns; ++i)
        if (!row[i].empty()) inputs.give(i, row[i]);
      Outcome o = runner.run(cells);
      if (o.refusal)
        error = std::move(o.refusal->message);
      else if (o.failure)
        error = std::move(*o.failure);
      else
        figures = true;
    }
    for (std::size_t i = 0; i < columns; ++i) writer.field(i < row.size() ? std::string_view(row[i]) : std::string_view());
    for (std::size_t j = 0; j < results.size(); ++j) {
      const WindowCell* c = figures ? cellFor(cells, j, results[j]) : nullptr;
      if (c)
        writeCell(writer, *c);
      else
        writer.field({});
    }
    writer.field(error);
    writer.endRow();
  }
  writer.flush();
  progress.finish();
  if (status == CsvReader::Status::UnclosedQuote) {
    err << unclosedQuote(reader) << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace quorin::cli
