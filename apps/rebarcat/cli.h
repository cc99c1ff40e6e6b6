// The command-line frame of rebarcat: subcommands, their help, arguments and exit codes.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rebarcat {

enum ExitCode { kSuccess = 0, kNotFound = 1, kUsage = 2, kRefused = 3 };

// The words after the subcommand: "--name value" or "--name=value" options, "--flag" switches
// and plain words; a "--" ends the options, so every word after it is a plain word.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> words);

    // Removes and returns the value of --name; a missing value or a repeated option is an
    // error reported by problem().
    std::optional<std::string> option(const std::string& name);
    bool flag(const std::string& name);
    // What is left once options were taken.
    const std::vector<std::string>& rest() const { return m_words; }
    // The first usage problem met so far (a missing value, a repeated option, a value given
    // to a switch) or, once every option was taken, an unknown "--option" left over.
    std::string problem() const;

private:
    // The position of the first occurrence of --name among the options, or npos; notes a
    // repeated occurrence.
    size_t find(const std::string& name);
    void erase(size_t at, size_t count);

    std::vector<std::string> m_words;
    size_t m_optionEnd;  // words from here on came after "--"
    std::string m_problem;
};

struct Command {
    std::string name;
    std::string synopsis;  // e.g. "info [--catalog FILE]"
    std::string summary;   // one line
    std::string help;      // the rest of its --help
    std::function<int(Arguments&, std::ostream& out, std::ostream& err)> run;
};

const std::vector<Command>& commands();
// Runs one command line; what the command prints reaches `out` only when it succeeds, so a
// failing command never leaves half an answer behind its error message.
int runCommandLine(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace rebarcat
