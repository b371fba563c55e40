#pragma once

namespace kunimor {

// Settings text segmentation reads, named by their keys in the settings
// file; until the file is read they hold these defaults.

// A line break ends a sentence, so every line is translated on its own.
inline bool ReturnCounts = false;

}  // namespace kunimor
