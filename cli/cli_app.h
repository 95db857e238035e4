// quorin-cli: every calculator without a window. See the README for the
// call shape; exit status 0 (results), 1 (failure), 2 (refused input),
// 64 (usage).
#pragma once

namespace quorin::cli {

int runCli(int argc, char** argv);

}  // namespace quorin::cli
