#pragma once

namespace kunimor {

// Settings of the Latin script, named by their keys in the settings file; the
// values here hold until the settings are read.

// How the special letters of the Latin script are exported: 0 as Windows-1257
// bytes, 1 as numeric character references ("&#365;"), which any Unicode
// viewer shows right.
inline int DopLatCoding = 0;

}  // namespace kunimor
