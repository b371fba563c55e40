#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kunimor::app {

// A text file's bytes as pane text and back, in one of the eight code pages
// (CodePages.h). Pane text has "\n" line breaks.

struct TDecodedText {
    QString text;
    int codePage = 0;    // the one read: a byte-order mark overrides code page 0
    bool crlf = false;   // the file broke its lines with CR LF
};

// UTF-8 and UTF-16 are read straight into the pane, so that no character is
// lost; the other code pages through Windows-1251, numeric references of the
// Latin script decoded. A file in code page 0 that starts with the UTF-8 or
// UTF-16 byte-order mark is read in that encoding.
TDecodedText DecodeDocument(std::string_view bytes, int codePage);

struct TEncodedText {
    std::string bytes;
    int lost = 0;  // characters the code page cannot hold, written as "?"
};

TEncodedText EncodeDocument(const QString& text, int codePage, bool numericRefs, bool crlf);

}  // namespace kunimor::app
