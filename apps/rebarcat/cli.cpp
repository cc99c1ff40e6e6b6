#include "cli.h"

#include <algorithm>
#include <ostream>
#include <sstream>

namespace rebarcat {

Arguments::Arguments(std::vector<std::string> words) : m_words(std::move(words)) {
    auto end = std::find(m_words.begin(), m_words.end(), "--");
    m_optionEnd = static_cast<size_t>(end - m_words.begin());
    if (end != m_words.end()) m_words.erase(end);
}

namespace {

bool isOptionWord(const std::string& word) {
    return word.size() > 2 && word.rfind("--", 0) == 0;
}

// "--name" or "--name=value" for the option name.
bool names(const std::string& word, const std::string& name) {
    return word.rfind("--" + name, 0) == 0 &&
           (word.size() == name.size() + 2 || word[name.size() + 2] == '=');
}

}  // namespace

size_t Arguments::find(const std::string& name) {
    size_t first = std::string::npos;
    for (size_t i = 0; i < m_optionEnd; ++i) {
        if (!names(m_words[i], name)) continue;
        if (first != std::string::npos) {
            if (m_problem.empty()) m_problem = "option --" + name + " is given more than once";
            break;
        }
        first = i;
    }
    return first;
}

void Arguments::erase(size_t at, size_t count) {
    m_words.erase(m_words.begin() + static_cast<long>(at),
                  m_words.begin() + static_cast<long>(at + count));
    m_optionEnd -= count;
}

std::optional<std::string> Arguments::option(const std::string& name) {
    size_t at = find(name);
    if (at == std::string::npos) return std::nullopt;
    const std::string& word = m_words[at];
    if (word.size() > name.size() + 2) {
        std::string value = word.substr(name.size() + 3);
        erase(at, 1);
        return value;
    }
    if (at + 1 >= m_optionEnd || isOptionWord(m_words[at + 1])) {
        if (m_problem.empty()) m_problem = "option --" + name + " needs a value";
        erase(at, 1);
        return std::nullopt;
    }
    std::string value = m_words[at + 1];
    erase(at, 2);
    return value;
}

bool Arguments::flag(const std::string& name) {
    size_t at = find(name);
    if (at == std::string::npos) return false;
    if (m_words[at].size() > name.size() + 2 && m_problem.empty())
        m_problem = "option --" + name + " takes no value";
    erase(at, 1);
    return true;
}

std::string Arguments::problem() const {
    if (!m_problem.empty()) return m_problem;
    for (size_t i = 0; i < m_optionEnd; ++i)
        if (isOptionWord(m_words[i]))
            return "unknown option '" + m_words[i].substr(0, m_words[i].find('=')) + "'";
    return {};
}

namespace {

void printOverview(std::ostream& out) {
    out << "usage: rebarcat COMMAND [OPTIONS] [--] [WORDS]\n"
           "       rebarcat --version\n\n"
           "Reads and edits reinforcing-bar catalogues: steel grades (families), their bars,\n"
           "units and hook tables.\n\ncommands:\n";
    for (const Command& command : commands()) {
        out << "  " << command.name;
        out << std::string(command.name.size() < 12 ? 12 - command.name.size() : 1, ' ')
            << command.summary << "\n";
    }
    out << "\nRun 'rebarcat COMMAND --help' for the options of a command. Options take their\n"
           "value as '--opt value' or '--opt=value'; '--' ends the options.\n"
           "Family, bar and standard names are matched ignoring letter case.\n"
           "Editing commands wait up to 30 s while another program changes the same catalogue.\n\n"
           "Exit codes:\n"
           "  0  success\n"
           "  1  family, bar, standard or value not found\n"
           "  2  usage error, unreadable value or unreadable catalogue\n"
           "  3  change refused (a value out of its limits, a duplicate diameter, a bar in\n"
           "     use); the file is unchanged\n";
}

void printCommandHelp(const Command& command, std::ostream& out) {
    out << "usage: rebarcat " << command.synopsis << "\n\n" << command.summary << "\n";
    if (!command.help.empty()) out << "\n" << command.help;
}

int runCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    if (words.empty()) {
        printOverview(err);
        return kUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        printOverview(out);
        return kSuccess;
    }
    if (words[0] == "--version") {
        out << "rebarcat " << REBARCAT_VERSION << "\n";
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

}  // namespace

int runCommandLine(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    std::ostringstream buffered;
    int status = runCommand(words, buffered, err);
    if (status == kSuccess) out << buffered.str();
    return status;
}

}  // namespace rebarcat
