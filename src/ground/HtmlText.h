#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kunimor {

// Passes each run of text between the tags of an HTML document through
// transform and keeps everything else byte for byte: tags with their
// attributes, comments, declarations, and the contents of script and style
// elements. Runs of blanks alone are kept too. Entities stay as written,
// so that what the document escapes stays escaped. A "<" that opens no tag
// (not followed by a letter, "/", "!" or "?") is text; an unclosed tag at
// the end is kept as it is.
std::string TransformHtmlText(std::string_view html, const std::function<std::string(std::string_view)>& transform);

}  // namespace kunimor
