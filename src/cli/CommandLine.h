#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// A command line the program cannot run; main answers it with the usage text.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Removes "--name VALUE" or "--name=VALUE" from args and returns the value.
std::optional<std::string> TakeOption(std::vector<std::string>& args, std::string_view name);

// Removes every "--name" from args; true if there was one.
bool TakeFlag(std::vector<std::string>& args, std::string_view name);

// Fails on any option left in args that no command took.
void RequireNoOptions(const std::vector<std::string>& args);

// Fails unless args holds between min and max arguments.
void RequireArgumentCount(const std::vector<std::string>& args, size_t min, size_t max, std::string_view command);

}  // namespace kunimor::cli
