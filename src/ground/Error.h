#pragma once

#include <stdexcept>
#include <string>

namespace kunimor {

// Every failure of the engine is an exception carrying its message text.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kunimor
