#include "cli/cli.h"

int main(int argc, char** argv) {
    z408::cli::CommandRegistry registry;
    z408::cli::registerProfileCommands(registry);
    z408::cli::registerWatchCommands(registry);
    z408::cli::registerPointerCommands(registry);
    return registry.dispatch(argc, argv);
}
