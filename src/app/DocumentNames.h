#pragma once

#include <string>

namespace kunimor::app {

// The names the save dialogs propose; paths and names are UTF-8.

// The file-name part of a source file's path with " - перевод" before its
// last "." (or at its end): "/t/doc.txt" gives "doc - перевод.txt".
std::string ProposedResultName(const std::string& sourcePath);

// The name for the translation with its markup: the translation's file, or
// else the source's, without its extension, followed by " - перевод.rtf".
std::string ProposedMarkupName(const std::string& resultPath, const std::string& sourcePath);

}  // namespace kunimor::app
