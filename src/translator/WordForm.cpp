#include "translator/WordForm.h"

namespace kunimor {

TWordForm* AppendWordForm(TWordForm*& head, const TWordForm& form) {
    TWordForm** slot = &head;
    while (*slot) slot = &(*slot)->Next;
    *slot = new TWordForm(form);
    (*slot)->Next = nullptr;
    return *slot;
}

int RemoveWordForms(TWordForm*& head, const std::function<bool(const TWordForm&)>& drop) {
    int removed = 0;
    for (TWordForm** slot = &head; *slot;) {
        if (drop(**slot)) {
            TWordForm* gone = *slot;
            *slot = gone->Next;
            delete gone;
            ++removed;
        } else {
            slot = &(*slot)->Next;
        }
    }
    return removed;
}

void FreeWordForms(TWordForm*& head) {
    while (head) {
        TWordForm* next = head->Next;
        delete head;
        head = next;
    }
}

}  // namespace kunimor
