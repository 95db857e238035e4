#include "cli/cli_app.h"
#include "cli/cli_output.h"

int main(int argc, char** argv) { return quorin::cli::finishStandardOutput(quorin::cli::runCli(argc, argv)); }
