#include "translator/WordForm.h"

namespace kunimor {

TWordForm* AppendWordForm(TWordForm*& head, const TWordForm& form) {
    TWordForm** slot = &head;
    while (*slot) slot = &(*slot)->Next;
    *slot = new TWordForm(form);
    (*slot)->Next = nullptr;
    return *slot;
}

void FreeWordForms(TWordForm*& head) {
    while (head) {
        TWordForm* next = head->Next;
        delete head;
        head = next;
    }
}

}  // namespace kunimor
