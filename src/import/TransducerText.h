#pragma once

#include <filesystem>
#include <string>

namespace kunimor::import {

// The ATT text of a compiled transducer of the source folder: name.att when
// the folder holds one (tests write them by hand), otherwise name.bin
// printed by lt-print. Throws Error when neither exists or lt-print fails.
std::string TransducerText(const std::filesystem::path& folder, const std::string& name);

}  // namespace kunimor::import
