#pragma once

namespace kunimor {

// Settings that translation lookup reads, named by their keys in the
// settings file; until the file is read they hold these defaults.

// Translate nouns and adjectives into their alternative forms where the
// target has them, instead of the main forms.
inline bool UseAltForms = false;

// Expert mode; among other things, lookups report the entries that have no
// translation.
inline bool AdvTrans = false;

}  // namespace kunimor
