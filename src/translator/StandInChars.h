#pragma once

namespace kunimor {

// Bytes a front end may put into the source text where the original had a
// character that Windows-1251 cannot hold, so that it can put the character
// back into the translation: the engine carries every one of them to the
// output unchanged and in order, and neither ends a sentence. A front end
// that uses them must set aside the characters that themselves convert to
// these bytes as well.

// Byte 0x98, which Windows-1251 leaves unassigned, for characters that
// belong to the word they touch (combining accents, joiners): it is no
// delimiter, so the word holding it is one token with a foreign character,
// carried through as written.
inline constexpr char kWordStandIn = '\x98';

// The soft hyphen 0xAD, for everything else (other scripts, emoji, signs):
// a delimiter but not a blank, so it separates words the way punctuation
// does and never merges into a run of blanks.
inline constexpr char kGapStandIn = '\xAD';

}  // namespace kunimor
