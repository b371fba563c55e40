#pragma once

namespace kunimor {

// After два, тры, чатыры (and their Russian twins) in the nominative or
// accusative the languages put the noun differently: Russian in the
// genitive singular with genitive plural attributes (два новых файла),
// Belarusian in the nominative plural (два новыя файлы). Moves the
// translations of the words after such a numeral into the target's
// pattern.
void AgreePaucalNumerals();

}  // namespace kunimor
