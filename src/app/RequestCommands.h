#pragma once

#include "ground/TranslationRequest.h"

namespace kunimor::app {

class TfrmKunimor;

// The main window's answer to a request of another program. A translation
// request shows its text in the source pane and its translation below, and
// answers with that translation (ReplyText). It never replaces text the user
// has not saved, nor interrupts a running command: it is then refused with
// a Busy reply that says why. A request to open a file is accepted at once
// and carried out when the window is free, asking about unsaved text first.
TTranslationReply AnswerRequest(TfrmKunimor& window, const TTranslationRequest& request);

}  // namespace kunimor::app
