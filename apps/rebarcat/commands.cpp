// The subcommands of rebarcat, in the order --help lists them.
#include "cli.h"

namespace rebarcat {

Command infoCommand();
Command familiesCommand();
Command barsCommand();
Command barCommand();

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {infoCommand(), familiesCommand(), barsCommand(),
                                             barCommand()};
    return all;
}

}  // namespace rebarcat
