// The subcommands of rebarcat, in the order --help lists them.
#include "cli.h"

namespace rebarcat {

Command infoCommand();

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {infoCommand()};
    return all;
}

}  // namespace rebarcat
