#pragma once

#include <string>

namespace kunimor::cli {

// The code page index (CodePages.h) a command-line name stands for:
// cp1251, cp866, cp1257 (the Belarusian Latin script), utf-8, utf-16,
// koi8-r, mac or iso-8859-5, in any letter case. Throws UsageError, listing
// the names, for any other.
int CodePageByName(const std::string& name);

}  // namespace kunimor::cli
