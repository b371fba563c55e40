#pragma once

#include <QTextCharFormat>

#include "app/Settings.h"

class QTextEdit;

namespace kunimor::app {

// The colour and font style of a text view as a pane's character format.
QTextCharFormat ViewFormat(const TTextView& view);

// The style bits and the 0xRRGGBB colour a format shows.
uint8_t StyleOfFormat(const QTextCharFormat& format);
uint32_t ColorOfFormat(const QTextCharFormat& format);

// The text view (index) whose colour and style a format shows, or -1.
int ViewOfFormat(const QTextCharFormat& format, const TSettings& settings);

}  // namespace kunimor::app
