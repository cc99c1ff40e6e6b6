// The command-line frame of rebarcat: subcommands, their help, arguments and exit codes.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rebarcat {

enum ExitCode { kSuccess = 0, kNotFound = 1, kUsage = 2, kRefused = 3 };

// The words after the subcommand, with "--name value" options and "--flag" switches.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> words) : m_words(std::move(words)) {}

    // Removes and returns the value of --name; an option given without a value is an error
    // reported through missingValue().
    std::optional<std::string> option(const std::string& name);
    bool flag(const std::string& name);
    // What is left once options were taken; an unknown "--x" here is a usage error.
    const std::vector<std::string>& rest() const { return m_words; }
    const std::string& missingValue() const { return m_missingValue; }

private:
    std::vector<std::string> m_words;
    std::string m_missingValue;
};

struct Command {
    std::string name;
    std::string synopsis;  // e.g. "info [--catalog FILE]"
    std::string summary;   // one line
    std::string help;      // the rest of its --help
    std::function<int(Arguments&, std::ostream& out, std::ostream& err)> run;
};

const std::vector<Command>& commands();
int runCommandLine(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace rebarcat
