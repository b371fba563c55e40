#pragma once

#include "translator/TranslateText.h"

namespace kunimor {

// Outputs the piece [pieceStart, nextPiece) of SourceText: the text between
// the elements as it stands, each element's Text in its style with the
// source capitalisation restored, counting the elements into Counters and
// reporting translated ones to PositionProc.
void EmitPiece(int pieceStart, int nextPiece, const TTranslateCallbacks& callbacks);

}  // namespace kunimor
