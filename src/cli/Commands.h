#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kunimor::cli {

// A first word of the command line and what runs it. A group gets the
// arguments after its word and returns the exit status; it throws
// UsageError for a command line it cannot run and Error when the work fails.
struct CommandGroup {
    std::string_view word;
    std::string_view usage;  // its lines of the help text
    int (*run)(std::vector<std::string> args);
};

// dict dump, dict build, dict stats: the dictionary's text form and a check of it.
int RunDictCommand(std::vector<std::string> args);
extern const std::string_view kDictUsage;

}  // namespace kunimor::cli
