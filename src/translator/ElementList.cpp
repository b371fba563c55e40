#include "translator/ElementList.h"

#include <utility>

#include "ground/SeparatorClass.h"
#include "translator/SourceText.h"

namespace kunimor {
namespace {

void Unlink(TWordEl* el) {
    if (el->Prev) el->Prev->Next = el->Next;
    else ElementList = el->Next;
    if (el->Next) el->Next->Prev = el->Prev;
    el->Prev = el->Next = nullptr;
}

void LinkBefore(TWordEl* el, TWordEl* anchor) {
    el->Prev = anchor->Prev;
    el->Next = anchor;
    if (anchor->Prev) anchor->Prev->Next = el;
    else ElementList = el;
    anchor->Prev = el;
}

void LinkAfter(TWordEl* el, TWordEl* anchor) {
    el->Prev = anchor;
    el->Next = anchor->Next;
    if (anchor->Next) anchor->Next->Prev = el;
    anchor->Next = el;
}

}  // namespace

TWordEl* AppendElement(TWordEl* last) {
    auto* el = new TWordEl;
    if (last) LinkAfter(el, last);
    else ElementList = el;
    return el;
}

void FreeElements(TWordEl* first, int count) {
    while (first && count != 0) {
        TWordEl* next = first->Next;
        Unlink(first);
        delete first;
        first = next;
        if (count > 0) --count;
    }
}

void MoveElement(TWordEl* el, TWordEl* anchor, bool before) {
    TWordEl* follower = el->Next;
    auto* placeholder = new TWordEl;
    placeholder->Placeholder = true;
    placeholder->StartPos = el->StartPos;
    placeholder->EndPos = el->EndPos;
    LinkBefore(placeholder, el);
    Unlink(el);
    if (before) {
        LinkBefore(el, anchor);
        el->StartPos = el->EndPos = anchor->StartPos;
        std::swap(el->CaseKind, anchor->CaseKind);
    } else {
        if (follower) std::swap(el->CaseKind, follower->CaseKind);
        LinkAfter(el, anchor);
        el->StartPos = el->EndPos = anchor->EndPos;
    }
    // The gaps after both now end elsewhere.
    el->SepClass = 0;
    anchor->SepClass = 0;
}

std::string WrittenText(const TWordEl& el) {
    return SourceRange(el.StartPos, el.EndPos);
}

char SepAfter(TWordEl* el) {
    if (!el || !el->Next) return '.';
    if (el->SepClass == 0) el->SepClass = ClassifyGap(SourceText, el->EndPos, el->Next->StartPos - 1);
    return el->SepClass;
}

}  // namespace kunimor
