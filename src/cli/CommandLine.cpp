#include "cli/CommandLine.h"

#include <iterator>

namespace kunimor::cli {

std::optional<std::string> TakeOption(std::vector<std::string>& args, std::string_view name) {
    std::optional<std::string> value;
    for (auto it = args.begin(); it != args.end();) {
        if (*it == name) {
            if (std::next(it) == args.end()) throw UsageError(std::string(name) + " needs a value");
            value = *std::next(it);
            it = args.erase(it, std::next(it, 2));
        } else if (it->starts_with(name) && (*it)[name.size()] == '=') {
            value = it->substr(name.size() + 1);
            it = args.erase(it);
        } else {
            ++it;
        }
    }
    return value;
}

void RequireNoOptions(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a.size() > 1 && a[0] == '-') throw UsageError("unknown option " + a);
}

void RequireArgumentCount(const std::vector<std::string>& args, size_t min, size_t max, std::string_view command) {
    if (args.size() < min) throw UsageError(std::string(command) + ": too few arguments");
    if (args.size() > max) throw UsageError(std::string(command) + ": too many arguments");
}

bool TakeFlag(std::vector<std::string>& args, std::string_view name) { return std::erase(args, name) > 0; }

}  // namespace kunimor::cli
