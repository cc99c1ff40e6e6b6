// The subcommands of rebarcat, in the order --help lists them.
#include "cli.h"

namespace rebarcat {

Command infoCommand();
Command familiesCommand();
Command barsCommand();
Command barCommand();
Command addCommand();
Command setCommand();
Command removeCommand();
Command namesCommand();
Command standardCommand();
Command diametersCommand();
Command hookCommand();
Command convertCommand();
Command renderCommand();
Command standardsCommand();
Command exportCommand();
Command importCommand();
Command weightCommand();

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
        infoCommand(),     familiesCommand(),  standardsCommand(), barsCommand(),
        barCommand(),      weightCommand(),    addCommand(),       setCommand(),
        removeCommand(),   importCommand(),    exportCommand(),    namesCommand(),
        standardCommand(), diametersCommand(), hookCommand(),      convertCommand(),
        renderCommand()};
    return all;
}

}  // namespace rebarcat
