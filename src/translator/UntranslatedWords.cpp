#include "translator/UntranslatedWords.h"

#include "textservices/LetterCase.h"
#include "translator/ElementList.h"

namespace kunimor {

void LeaveUntranslated(const TUnknownProc& unknownProc) {
    for (TWordEl* el = ElementList; el; el = el->Next) {
        if (el->IsAbbr || el->Placeholder || el->Trans) continue;
        if (unknownProc) unknownProc(WrittenText(*el));
        if (el->Readings) el->Text = LowerCaseCyr(WrittenText(*el));
    }
}

}  // namespace kunimor
