#include "cli/batch.h"

#include <algorithm>
#include <future>
#include <memory>
#include <ostream>
#include <thread>

#include "cli/cli_output.h"
#include "cli/csv.h"
#include "settings/settings_limits.h"

namespace quorin::cli {

namespace {

constexpr std::size_t kProgressEvery = 100000;

bool knownColumn(const Calculator& calc, const std::string& name) {
  return findFlag(calc, name) || name == "name" || name == "language" || (calc.usesTaxYear && name == "tax-year");
}

// What stays the same from row to row of one file: the columns resolved to
// the calculator's flags, the checks in their order, the settings as stored
// and whether they pass, and the scratch state a row works in. Each worker
// has one of its own.
class RowRunner {
 public:
  RowRunner(const Calculator& calc, const CsvRow& header, const SessionState& session,
            const SettingsRecord& settings)
      : calc_(calc), inputs_(slots(header)), checks_(calc, inputs_), session_(session), rowSession_(session),
        settings_(settings) {
    if (calc.usesSettings) storedRefusal_ = checkSettings(settings);
  }

  // The year the last row was worked out in.
  int year() const { return rowSession_.taxYear().year; }

  // Works out a row whose fields match the header; its window figures go
  // to cells.
  Outcome run(const CsvRow& row, WindowCells& cells) {
    inputs_.clearValues();
    for (std::size_t i = 0; i < row.size(); ++i)
      if (!row[i].empty()) inputs_.give(i, row[i]);
    cells.clear();
    // Each row starts from the same session; the copy reuses the scratch
    // session's strings.
    if (calc_.usesSession) rowSession_ = session_;
    // A year that is not offered is refused before anything else; a row
    // without one works in the file's year (the year in force).
    rowSession_.TaxYearChosen = session_.TaxYearChosen;
    if (calc_.usesTaxYear)
      if (auto r = chooseTaxYear(inputs_.text("tax-year"), rowSession_)) return Outcome{r};
    if (auto r = checks_.run(inputs_)) return Outcome{r};
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
  static Inputs slots(const CsvRow& header) {
    Inputs in;
    for (const auto& name : header) in.slot(name);
    return in;
  }

  const Calculator& calc_;
  Inputs inputs_;
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

std::string fieldCount(std::size_t record, std::size_t fields, std::size_t columns) {
  return "row " + std::to_string(record) + " has " + std::to_string(fields) + (fields == 1 ? " field" : " fields") +
         ", the header has " + std::to_string(columns);
}

// A run of rows as read, with their row numbers, and their output.
struct Chunk {
  std::vector<CsvRow> rows;
  std::vector<std::size_t> records;
  std::size_t size = 0;
  std::string output;
};

constexpr std::size_t kChunkRows = 2048;

// Works out the rows of chunks into their output, one chunk at a time.
class Worker {
 public:
  Worker(const Calculator& calc, const CsvRow& header, const std::vector<std::string>& results,
         const SessionState& session, const SettingsRecord& settings, char delimiter, bool yearColumn)
      : runner_(calc, header, session, settings), columns_(header.size()), results_(results),
        delimiter_(delimiter), yearColumn_(yearColumn) {}

  void work(Chunk& chunk) {
    CsvWriter writer(chunk.output, delimiter_);
    for (std::size_t r = 0; r < chunk.size; ++r) {
      const CsvRow& row = chunk.rows[r];
      error_.clear();
      bool figures = false;
      if (row.size() != columns_) {
        // A short or long row has its values under the wrong columns.
        error_ = fieldCount(chunk.records[r], row.size(), columns_);
      } else {
        Outcome o = runner_.run(row, cells_);
        if (o.refusal)
          error_ = std::move(o.refusal->message);
        else if (o.failure)
          error_ = std::move(*o.failure);
        else
          figures = true;
      }
      for (std::size_t i = 0; i < columns_; ++i)
        writer.field(i < row.size() ? std::string_view(row[i]) : std::string_view());
      for (std::size_t j = 0; j < results_.size(); ++j) {
        const WindowCell* c = figures ? cellFor(cells_, j, results_[j]) : nullptr;
        if (c)
          writeCell(writer, *c);
        else
          writer.field({});
      }
      if (yearColumn_) {
        if (figures)
          writer.whole(runner_.year());
        else
          writer.field({});
      }
      writer.field(error_);
      writer.endRow();
    }
  }

 private:
  RowRunner runner_;
  WindowCells cells_;
  std::size_t columns_;
  const std::vector<std::string>& results_;
  char delimiter_;
  bool yearColumn_;
  std::string error_;
};

// Reads up to a chunk's worth of rows; blank lines are left out.
CsvReader::Status readChunk(CsvReader& reader, Chunk& chunk, Progress& progress) {
  while (chunk.size < kChunkRows) {
    if (chunk.rows.size() == chunk.size) {
      chunk.rows.emplace_back();
      chunk.records.push_back(0);
    }
    CsvRow& row = chunk.rows[chunk.size];
    const auto status = reader.next(row);
    if (status != CsvReader::Status::Row) return status;
    if (row.size() == 1 && row.front().empty()) continue;  // blank line
    chunk.records[chunk.size++] = reader.record();
    progress.row();
  }
  return CsvReader::Status::Row;
}

int writeFailed(std::ostream& err, const BatchOptions& options) {
  err << "The run was stopped: its results could not be written to " << options.outputName << "\n";
  return kExitFailure;
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
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string& name = header[i];
    if (!knownColumn(calc, name)) {
      err << "Unknown column \"" << name << "\" for " << calc.name << "\n";
      return kExitUsage;
    }
    for (std::size_t j = 0; j < i; ++j)
      if (header[j] == name) {
        err << "The column \"" << name << "\" appears twice in the header: give each column once\n";
        return kExitUsage;
      }
  }

  // A file that gives no year says which year worked each row out, in a
  // column before the error column.
  const bool yearColumn = calc.usesTaxYear && std::find(header.begin(), header.end(), "tax-year") == header.end();

  // The window's figures of a freshly opened window name the result columns.
  std::vector<std::string> results;
  {
    RowRunner blank(calc, header, session, settings);
    WindowCells cells;
    blank.run(CsvRow(header.size()), cells);
    for (std::size_t i = 0; i < cells.size(); ++i) results.push_back(cells[i].name());
  }
  {
    CsvWriter writer(out, options.delimiter);
    for (const auto& name : header) writer.field(name);
    for (const auto& name : results) writer.field(name);
    if (yearColumn) writer.field("tax-year");
    writer.field("error");
    writer.endRow();
  }
  if (!out.flush()) return writeFailed(err, options);

  // The rows go in chunks to one worker per processor, each with a scratch
  // state of its own, while the next chunks are read; the chunks' output
  // is written in the order of the file.
  const std::size_t count = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
  std::vector<std::unique_ptr<Worker>> workers;
  for (std::size_t i = 0; i < count; ++i)
    workers.push_back(
        std::make_unique<Worker>(calc, header, results, session, settings, options.delimiter, yearColumn));
  std::vector<Chunk> current(count), next(count);
  Progress progress(err, options.progress);
  auto status = CsvReader::Status::Row;
  const auto readGroup = [&](std::vector<Chunk>& group) {
    for (auto& chunk : group) {
      chunk.size = 0;
      chunk.output.clear();
      if (status == CsvReader::Status::Row) status = readChunk(reader, chunk, progress);
    }
  };
  readGroup(current);
  while (current.front().size > 0) {
    std::vector<std::future<void>> done;
    for (std::size_t i = 0; i < count; ++i)
      if (current[i].size > 0)
        done.push_back(std::async(std::launch::async, [&worker = *workers[i], &chunk = current[i]] { worker.work(chunk); }));
    readGroup(next);
    for (auto& d : done) d.get();
    for (const auto& chunk : current) out.write(chunk.output.data(), static_cast<std::streamsize>(chunk.output.size()));
    if (!out.flush()) return writeFailed(err, options);
    std::swap(current, next);
  }
  progress.finish();
  if (status == CsvReader::Status::UnclosedQuote) {
    err << unclosedQuote(reader) << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace quorin::cli
