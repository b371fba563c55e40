#include "app/TextViewFormat.h"

namespace kunimor::app {

QTextCharFormat ViewFormat(const TTextView& view) {
    QTextCharFormat format;
    format.setForeground(QColor(QRgb(view.Color)));
    format.setFontWeight(view.Style & kBold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(view.Style & kItalic);
    format.setFontUnderline(view.Style & kUnderline);
    format.setFontStrikeOut(view.Style & kStrikeOut);
    return format;
}

uint8_t StyleOfFormat(const QTextCharFormat& format) {
    uint8_t style = 0;
    if (format.fontWeight() >= QFont::Bold) style |= kBold;
    if (format.fontItalic()) style |= kItalic;
    if (format.fontUnderline()) style |= kUnderline;
    if (format.fontStrikeOut()) style |= kStrikeOut;
    return style;
}

uint32_t ColorOfFormat(const QTextCharFormat& format) { return format.foreground().color().rgb() & 0xFFFFFF; }

int ViewOfFormat(const QTextCharFormat& format, const TSettings& settings) {
    const uint32_t color = ColorOfFormat(format);
    const uint8_t style = StyleOfFormat(format);
    for (int i = 0; i < kTextViewCount; ++i)
        if (settings.TextViews[i].Color == color && settings.TextViews[i].Style == style) return i;
    return -1;
}

}  // namespace kunimor::app
