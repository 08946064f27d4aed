#include "cli/BatchCli.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace zorbel::cli {

namespace {

int runReverseAll(const BatchOptions& options) {
    CliRun run;
    if (int code = prepare(run, options))
        return code;
    return report(run.bench.reverseBatch(requestOf(options)));
}

} // namespace

void addReverseAllCommand(CLI::App& app, int& exitCode) {
    auto all = std::make_shared<BatchOptions>();
    CLI::App* reverseAll = app.add_subcommand(
        "reverse-all", "Reverse every reaction of the mechanism into RevAll.txt");
    addBatchOptions(*reverseAll, *all);
    reverseAll->callback([all, &exitCode] { exitCode = runReverseAll(*all); });
}

} // namespace zorbel::cli
