#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <unistd.h>

#include "cli/batch.h"
#include "cli/cli_output.h"
#include "cli/pdf_printer_loader.h"
#include "cli/tax_years_command.h"
#include "cli/text_output.h"
#include "common/clock.h"
#include "install/data_folder.h"
#include "report/pdf_printer.h"
#include "report/whole_file.h"
#include "settings/settings_store.h"
#include "shell/start_options.h"

namespace quorin::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kProgramDescription = "quorin-cli: the Quorin 2026 calculators without a window";

std::string programFolder(const char* argv0) {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) exe = fs::absolute(argv0);
  return exe.parent_path().string();
}

// Option values of one subcommand, by flag name (std::map keeps the
// references CLI11 holds valid).
struct Given {
  std::map<std::string, std::vector<std::string>> values;

  void bind(CLI::App* sub, const Flag& flag) {
    const std::string opt = "--" + flag.name;
    if (flag.kind == FlagKind::Switch) {
      // Given bare it reads "true"; --no-fuel=no is checked like a batch cell.
      sub->add_flag(opt, values[flag.name], flag.help);
      return;
    }
    auto* o = sub->add_option(opt, values[flag.name], flag.help)->allow_extra_args(false)->expected(1);
    // What the help (and so the manual page and the shell's completion)
    // shows the value as: one of the choices, a file, or text.
    if (!flag.choices.empty())
      o->type_name("{" + CLI::detail::join(flag.choices, ",") + "}");
    else if (flag.help.find("file") != std::string::npos)
      o->type_name("FILE");
    o->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  }
  Inputs inputs() const {
    Inputs in;
    for (const auto& [name, list] : values)
      for (const auto& text : list) in.give(name, text);
    return in;
  }
};

struct Common {
  std::string programFolder;
  std::string dataDir;
  std::string shippedDir;  // the report and year files; dataDir unless installed
  std::string taxYear;
  std::string pdf;
  std::string name;
  std::string language = "en";
  bool working = false;  // --working
  std::string format;    // --format: json or text; empty: text on a terminal, else json
  bool text() const { return format.empty() ? isatty(STDOUT_FILENO) != 0 : format == "text"; }
};

void addCommon(CLI::App* sub, Common& c, bool printing) {
  sub->add_option("--data-dir", c.dataDir, "folder holding Settings.db, Rudodeza.db and the report files")
      ->type_name("DIR");
  if (!printing) return;
  sub->add_option("--pdf", c.pdf, "print as the window would and save the report as a PDF file")->type_name("FILE");
  sub->add_option("--name", c.name, "employee name of the print frame (printouts with a name line only)")->check([](const std::string& s) {
    double unused;
    return checkText("Text1", FieldLimit{FieldKind::Text, 0, 0, 0, 50}, s, unused) ? "at most 50 characters" : "";
  });
  sub->add_option("--language", c.language, "print language (af: printouts with an Afrikaans layout only)")
      ->check(CLI::IsMember({"en", "af"}));
}

// The calculators whose printout honours an option, for the help.
std::string printingWith(bool Calculator::*honours) {
  std::string list;
  for (const auto& c : calculators())
    if (c.*honours) list += (list.empty() ? "" : ", ") + c.name;
  return list;
}

// A print option the calculator's printout cannot honour is refused, not
// dropped: the clerk would hand over a paper without the name or in the
// wrong language.
std::optional<std::string> unusablePrintOption(const Calculator& calc, const Common& common) {
  if (!common.name.empty() && !calc.printsName)
    return "--name: the " + calc.name + " printout has no name line. Printouts with one: " +
           printingWith(&Calculator::printsName) + ".";
  if (common.language == "af" && !calc.printsAfrikaans)
    return "--language af: the " + calc.name + " printout has no Afrikaans layout. Printouts with one: " +
           printingWith(&Calculator::printsAfrikaans) + ".";
  return std::nullopt;
}

std::optional<SettingsRecord> loadSettingsOrReport(const std::string& dataDir) {
  SettingsLoad load = LoadSettings(dataDir + "/Settings.db");
  if (load.error) {
    std::cerr << *load.error << "\n";
    return std::nullopt;
  }
  return load.record;
}

int runCalculator(const Calculator& calc, const Given& given, const Common& common, char** argv) {
  if (auto refused = unusablePrintOption(calc, common)) {
    std::cerr << *refused << "\n";
    return kExitUsage;
  }
  int qtArgc = 1;
  // Only a print loads the graphical part, and it makes the application
  // object its layout needs.
  PdfPrinter* printer = nullptr;
  std::unique_ptr<QCoreApplication> app;
  if (!common.pdf.empty()) {
    PdfPrinterLoad load = loadPdfPrinter(common.programFolder);
    if (!load.printer) {
      std::cerr << *load.error << "\n";
      return kExitFailure;
    }
    printer = load.printer;
    app = printer->startApplication(qtArgc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(qtArgc, argv);
  }
  SessionState session;
  session.setProgramFolder(common.dataDir);
  session.setShippedFolder(common.shippedDir);
  session.reset();
  // An unknown tax year is refused before anything else.
  // On a terminal the refusal on standard error says it all; the error
  // object is for the scripts that read JSON.
  std::ostringstream discarded;
  std::ostream& errorObject = common.text() ? discarded : std::cout;
  if (calc.usesTaxYear)
    if (auto r = chooseTaxYear(common.taxYear, session)) return reportRefusal(*r, errorObject, std::cerr);
  Inputs inputs = given.inputs();
  if (auto r = checkInputs(calc, inputs)) return reportRefusal(*r, errorObject, std::cerr);

  Context ctx{session, SettingsRecord{}, common.name, common.language == "af" ? 1 : 0};
  ctx.wantsWorking = common.working;
  if (calc.usesSettings) {
    auto stored = loadSettingsOrReport(common.dataDir);
    if (!stored) return kExitFailure;
    ctx.settings = *stored;
    applySettingsFlags(inputs, ctx.settings);
    // A stored value that is no number or breaks its limit (and that this
    // call does not override) is refused before any figure is worked out.
    if (auto r = checkSettings(ctx.settings)) return reportRefusal(*r, errorObject, std::cerr);
  }
  Outcome outcome = calc.run(inputs, ctx);
  if (calc.usesTaxYear) outcome.taxYear = session.taxYear().year;
  if (outcome.refusal) return reportRefusal(*outcome.refusal, errorObject, std::cerr);
  if (outcome.failure) {
    std::cerr << *outcome.failure << "\n";
    return kExitFailure;
  }
  if (printer) {
    // The year and the settings this calculation used, as the paper states them.
    ReportRun run = makeReportRun(calc.usesTaxYear ? &ctx.year() : nullptr, calc.usesSettings ? &ctx.settings : nullptr,
                                  calc.settingsShown, InputChecks(calc, inputs).givesSettings(inputs),
                                  calc.printsAfrikaans ? ctx.language : 0);
    run.extras = outcome.printExtras;
    if (auto e = printToPdf(*printer, outcome, run, common.dataDir, common.shippedDir, common.pdf)) {
      std::cerr << *e << "\n";
      return kExitFailure;
    }
  }
  if (common.text())
    printOutcomeText(std::cout, calc.name, outcome);
  else
    std::cout << outcomeJson(calc.name, outcome).dump(2) << "\n";
  return kExitOk;
}

int runSettings(const Given& given, const Common& common, char** argv) {
  int qtArgc = 1;
  QCoreApplication app(qtArgc, argv);
  Calculator holder;
  holder.usesSettings = true;
  Inputs inputs = given.inputs();
  if (auto r = checkInputs(holder, inputs)) return reportRefusal(*r, std::cout, std::cerr);
  auto stored = loadSettingsOrReport(common.dataDir);
  if (!stored) return kExitFailure;
  SettingsRecord s = *stored;
  if (!inputs.empty()) {
    applySettingsFlags(inputs, s);
    std::uint32_t fields = 0;
    const std::pair<const char*, std::uint32_t> bits[] = {
        {"employee-uif", kEmployeeUIF},   {"employer-uif", kEmployerUIF},
        {"skills-levy", kSkillLevy},      {"uif-limit", kUIFLimit},
        {"travel-inclusion", kTAIncRate8020}, {"employee-rfund-pct", kPensionCont},
        {"employer-rfund-pct", kEmployerPenCont}, {"car-inclusion", kCompCarFBRate8020},
        {"maintenance-plan", kCompCarMPYesNo}};
    for (const auto& [flag, bit] : bits)
      if (inputs.has(flag)) fields |= bit;
    if (auto e = SaveSettings(common.dataDir + "/Settings.db", s, fields)) {
      std::cerr << *e << "\n";
      return kExitFailure;
    }
  }
  nlohmann::ordered_json j;
  j["PensionCont"] = s.PensionCont;
  j["EmployerPenCont"] = s.EmployerPenCont;
  j["EmployeeUIF"] = s.EmployeeUIF;
  j["EmployerUIF"] = s.EmployerUIF;
  j["SkillLevy"] = s.SkillLevy;
  j["ProvCont"] = s.ProvCont;
  j["EmployerProvCont"] = s.EmployerProvCont;
  j["UIFLimit"] = s.UIFLimit;
  j["TAIncRate8020"] = s.TAIncRate8020;
  j["CompCarFBRate8020"] = s.CompCarFBRate8020;
  j["CompCarMPYesNo"] = s.CompCarMPYesNo;
  std::cout << j.dump(2) << "\n";
  return kExitOk;
}

int runBatchCommand(const std::string& name, const std::string& input, const std::string& output,
                    const std::string& delimiter, const Common& common, char** argv) {
  const Calculator* calc = findCalculator(name);
  if (!calc || !calc->batch) {
    std::cerr << "batch: unknown calculator \"" << name << "\"\n";
    return kExitUsage;
  }
  int qtArgc = 1;
  QCoreApplication app(qtArgc, argv);
  std::ifstream in(input, std::ios::binary);
  if (!in) {
    std::cerr << "The input file " << input << " could not be read\n";
    return kExitFailure;
  }
  SettingsRecord settings;
  if (calc->usesSettings) {
    auto stored = loadSettingsOrReport(common.dataDir);
    if (!stored) return kExitFailure;
    settings = *stored;
  }
  SessionState session;
  session.setProgramFolder(common.dataDir);
  session.setShippedFolder(common.shippedDir);
  session.reset();
  if (calc->usesTaxYear) {
    session.loadTaxYears();
    // The year in force for the rows without a year of their own, chosen
    // once; a refusal here is each such row's.
    (void)chooseTaxYear("", session);
  }
  BatchOptions options;
  options.delimiter = delimiter.front();
  // Rows counted on a terminal, unless the results themselves scroll by there.
  options.progress = isatty(STDERR_FILENO) && (!output.empty() || !isatty(STDOUT_FILENO));
  if (output.empty()) return runBatch(*calc, in, std::cout, std::cerr, session, settings, options);
  // The old output file stays as it was until the new one is complete.
  WholeFile out(output, "The output file");
  options.outputName = "the output file " + output;
  if (auto e = out.open()) {
    std::cerr << *e << "\n";
    return kExitFailure;
  }
  const int status = runBatch(*calc, in, out.stream(), std::cerr, session, settings, options);
  // An incomplete run leaves the file as it was; a failed write says why.
  if (status != kExitOk && out.stream()) return status;
  if (auto e = out.commit()) {
    std::cerr << *e << "\n";
    return kExitFailure;
  }
  return status;
}

int runTaxYears(const Common& common) {
  SessionState session;
  session.setProgramFolder(common.dataDir);
  session.loadTaxYears();
  std::cout << taxYearsJson(*session.taxYears, today()).dump(2) << "\n";
  return kExitOk;
}

constexpr const char* kTaxYearsDescription = "the tax years offered, the year in force and every refused year file";
constexpr const char* kSettingsDescription = "print the Setup row, or write the given fields into it";
constexpr const char* kBatchDescription = "one calculation per row of a CSV file";

}  // namespace

int runCli(int argc, char** argv) {
  CLI::App app{kProgramDescription, "quorin-cli"};
  app.set_version_flag("--version", versionLine("quorin-cli"), "Print the version and exit");
  app.require_subcommand(1);
  app.footer("Printouts with a name line (--name): " + printingWith(&Calculator::printsName) +
             ".\nPrintouts with an Afrikaans layout (--language af): " + printingWith(&Calculator::printsAfrikaans) +
             ".");
  Common common;
  std::map<std::string, Given> given;
  std::vector<std::pair<CLI::App*, const Calculator*>> subs;

  // The command always comes first. A call that names one sets up only that
  // one with its flags: the few hundred options of all of them, made and
  // dropped, would cost a call more than its calculation. Anything else
  // (help, a misspelt name) is offered the whole list.
  const std::string named = argc > 1 ? argv[1] : "";
  const bool one = named == "settings" || named == "batch" || named == "tax-years" || findCalculator(named);
  for (const auto& calc : calculators()) {
    if (one && calc.name != named) continue;
    CLI::App* sub = app.add_subcommand(calc.name, calc.description);
    subs.emplace_back(sub, &calc);
    if (calc.name != named) continue;
    Given& g = given[calc.name];
    for (const auto& flag : calc.flags) g.bind(sub, flag);
    if (calc.usesSettings)
      for (const auto& flag : settingsFlags()) g.bind(sub, flag);
    addCommon(sub, common, true);
    sub->footer(std::string("Its printout ") + (calc.printsName ? "has a name line (--name)" : "has no name line") +
                (calc.printsAfrikaans ? " and an Afrikaans layout (--language af)." : " and no Afrikaans layout."));
    sub->add_option("--format", common.format,
                    "json (the default when standard output is no terminal) or text (the default on a terminal)")
        ->check(CLI::IsMember({"json", "text"}));
    if (calc.showsWorking)
      sub->add_flag("--working", common.working,
                    "add the steps that worked out the figures (\"working\"); with --pdf, print them after the "
                    "printout");
    if (calc.usesTaxYear)
      sub->add_option("--tax-year", common.taxYear,
                      "the tax year, named by the year it ends in (default: the year in force today)");
  }

  CLI::App* settingsCmd = nullptr;
  Given& settingsGiven = given["settings"];
  if (!one || named == "settings") {
    settingsCmd = app.add_subcommand("settings", kSettingsDescription);
    for (const auto& flag : settingsFlags()) settingsGiven.bind(settingsCmd, flag);
    addCommon(settingsCmd, common, false);
  }

  CLI::App* taxYearsCmd = nullptr;
  if (!one || named == "tax-years") {
    taxYearsCmd = app.add_subcommand("tax-years", kTaxYearsDescription);
    addCommon(taxYearsCmd, common, false);
  }

  CLI::App* batchCmd = nullptr;
  std::string batchCalc, batchInput, batchOutput, batchDelimiter = ",";
  if (!one || named == "batch") {
    batchCmd = app.add_subcommand("batch", kBatchDescription);
    batchCmd->add_option("calculator", batchCalc, "the calculator")->required();
    batchCmd->add_option("--input", batchInput, "CSV file with a header row of flag names")->required()->type_name("FILE");
    batchCmd->add_option("--output", batchOutput, "CSV file for the results (default: standard output)")
        ->type_name("FILE");
    batchCmd->add_option("--delimiter", batchDelimiter, "field delimiter of the input and the output: ',' (default) or ';'")
        ->check(CLI::IsMember({",", ";"}));
    addCommon(batchCmd, common, false);
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e, std::cerr, std::cerr);
    std::cerr << app.help();
    return kExitUsage;
  }

  common.programFolder = programFolder(argv[0]);
  if (common.dataDir.empty()) {
    DataFolder data = chooseDataFolder(common.programFolder, userDirsFromEnvironment());
    if (data.error) {
      std::cerr << *data.error << "\n";
      return kExitFailure;
    }
    common.dataDir = data.path;
    common.shippedDir = data.shipped;
  } else {
    common.shippedDir = common.dataDir;
  }
  if (settingsCmd && settingsCmd->parsed()) return runSettings(settingsGiven, common, argv);
  if (taxYearsCmd && taxYearsCmd->parsed()) return runTaxYears(common);
  if (batchCmd && batchCmd->parsed())
    return runBatchCommand(batchCalc, batchInput, batchOutput, batchDelimiter, common, argv);
  for (const auto& [sub, calc] : subs)
    if (sub->parsed()) return runCalculator(*calc, given[calc->name], common, argv);
  std::cerr << app.help();
  return kExitUsage;
}

}  // namespace quorin::cli
