#include "cli.h"

#include <algorithm>
#include <ostream>

namespace rebarcat {

std::optional<std::string> Arguments::option(const std::string& name) {
    auto it = std::find(m_words.begin(), m_words.end(), "--" + name);
    if (it == m_words.end()) return std::nullopt;
    if (it + 1 == m_words.end()) {
        m_missingValue = name;
        m_words.erase(it);
        return std::nullopt;
    }
    std::string value = *(it + 1);
    m_words.erase(it, it + 2);
    return value;
}

bool Arguments::flag(const std::string& name) {
    auto it = std::find(m_words.begin(), m_words.end(), "--" + name);
    if (it == m_words.end()) return false;
    m_words.erase(it);
    return true;
}

namespace {

void printOverview(std::ostream& out) {
    out << "usage: rebarcat COMMAND [OPTIONS]\n\n"
           "Reads and edits reinforcing-bar catalogues: steel grades (families), their bars,\n"
           "units and hook tables.\n\ncommands:\n";
    for (const Command& command : commands()) {
        out << "  " << command.name;
        out << std::string(command.name.size() < 12 ? 12 - command.name.size() : 1, ' ')
            << command.summary << "\n";
    }
    out << "\nRun 'rebarcat COMMAND --help' for the options of a command.\n"
           "Exit codes: 0 success, 1 not found, 2 usage error or unreadable file.\n";
}

void printCommandHelp(const Command& command, std::ostream& out) {
    out << "usage: rebarcat " << command.synopsis << "\n\n" << command.summary << "\n";
    if (!command.help.empty()) out << "\n" << command.help;
}

}  // namespace

int runCommandLine(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    if (words.empty()) {
        printOverview(err);
        return kUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        printOverview(out);
        return kSuccess;
    }
    auto& all = commands();
    auto command =
        std::find_if(all.begin(), all.end(), [&](auto& c) { return c.name == words[0]; });
    if (command == all.end()) {
        err << "rebarcat: unknown command '" << words[0] << "' (see rebarcat --help)\n";
        return kUsage;
    }
    Arguments arguments({words.begin() + 1, words.end()});
    if (arguments.flag("help") || arguments.flag("h")) {
        printCommandHelp(*command, out);
        return kSuccess;
    }
    return command->run(arguments, out, err);
}

}  // namespace rebarcat
