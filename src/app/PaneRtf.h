#pragma once

#include <string>

class QTextDocument;

namespace kunimor::app {

// The pane's text as RTF with its colours and font styles, in one font of
// the given name and size; line ends become paragraph ends.
std::string PaneRtf(const QTextDocument& document, const std::string& fontName, int fontSize);

}  // namespace kunimor::app
