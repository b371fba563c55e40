#include "app/DocumentText.h"

#include "app/PaneText.h"
#include "ground/CodePages.h"
#include "ground/Cp1251.h"

namespace kunimor::app {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

}  // namespace

TDecodedText DecodeDocument(std::string_view bytes, int codePage) {
    TDecodedText out;
    out.codePage = codePage;
    if (codePage == kCpAnsi && bytes.starts_with(kUtf8Mark)) out.codePage = kCpUtf8;
    if (codePage == kCpAnsi && bytes.starts_with(kUtf16Mark)) out.codePage = kCpUnicode;
    out.crlf = bytes.find("\r\n") != std::string_view::npos;
    switch (out.codePage) {
        case kCpAnsi: out.text = FromCp1251(bytes); break;
        case kCpUtf8:
            if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
            out.text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
            out.crlf = out.text.contains(QStringLiteral("\r\n"));
            break;
        case kCpUnicode: {
            if (bytes.starts_with(kUtf16Mark)) bytes.remove_prefix(kUtf16Mark.size());
            QString text(qsizetype(bytes.size() / 2), Qt::Uninitialized);
            for (qsizetype i = 0; i < text.size(); ++i)
                text[i] = QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[std::size_t(2 * i)]) |
                                                      static_cast<unsigned char>(bytes[std::size_t(2 * i + 1)]) << 8));
            if (bytes.size() % 2) text += QChar::ReplacementCharacter;
            out.text = text;
            out.crlf = out.text.contains(QStringLiteral("\r\n"));
            break;
        }
        default: out.text = FromCp1251(ConvertText(false, out.codePage, bytes, true)); break;
    }
    out.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.text.replace(QChar(u'\r'), QChar(u'\n'));
    return out;
}

TEncodedText EncodeDocument(const QString& text, int codePage, bool numericRefs, bool crlf) {
    const QString broken = crlf ? QString(text).replace(QChar(u'\n'), QStringLiteral("\r\n")) : text;
    TEncodedText out;
    if (codePage == kCpUtf8) {
        out.bytes = broken.toStdString();
        return out;
    }
    if (codePage == kCpUnicode) {
        out.bytes = std::string(kUtf16Mark);
        for (QChar c : broken) {
            out.bytes += static_cast<char>(c.unicode() & 0xFF);
            out.bytes += static_cast<char>(c.unicode() >> 8);
        }
        return out;
    }
    std::string ansi;
    ansi.reserve(std::size_t(broken.size()));
    for (qsizetype i = 0; i < broken.size(); ++i) {
        const QChar c = broken[i];
        const int byte = UnicodeToCp1251(c.unicode());
        if (byte >= 0) {
            ansi += static_cast<char>(byte);
            continue;
        }
        ++out.lost;
        ansi += '?';
        if (c.isHighSurrogate() && i + 1 < broken.size() && broken[i + 1].isLowSurrogate()) ++i;
    }
    out.bytes = codePage == kCpAnsi ? ansi : ConvertText(true, codePage, ansi, numericRefs);
    return out;
}

}  // namespace kunimor::app
