#pragma once

#include <cstdint>

namespace kunimor {

// The translation direction, read by the engine and the grammar code; set
// through TBelModule::SetDirection. 0 = Russian, 1 = Belarusian.
inline uint8_t SourceLang = 0;
inline uint8_t TargetLang = 1;

}  // namespace kunimor
