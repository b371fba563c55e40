#pragma once

#include "translator/TranslateText.h"

namespace kunimor {

class TBelModule;

// Outputs the piece [pieceStart, nextPiece) of SourceText: the text between
// the elements as it stands, each element's Text in its style with the
// source capitalisation restored (and into Belarusian the sounds of word
// starts fitted to the word before), counting the elements into Counters and
// reporting translated ones to PositionProc and, when asked, collecting the
// texts of their other translations.
void EmitPiece(TBelModule& module, int pieceStart, int nextPiece, const TTranslateCallbacks& callbacks);

}  // namespace kunimor
