#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kunimor {

// Where each translated word of the last run was output, so that a click in
// the output can find its source word. Entries are in output order: by line,
// and within a line by column.
struct TPositionEntry {
    int32_t Line = 0;
    int32_t Column = 0;
    std::string SourceWord;
};

inline std::vector<TPositionEntry> Positions;

void ClearPositions();
void AddPosition(int32_t line, int32_t column, const std::string& word);

// Whether an entry starts exactly at line and column; index receives it.
bool FindPosition(int32_t line, int32_t column, int& index);

// A word of the output ending at line, column was replaced in place by one
// delta characters longer: the later entries of that line move with it.
void ShiftPositions(int32_t line, int32_t column, int32_t delta);

}  // namespace kunimor
