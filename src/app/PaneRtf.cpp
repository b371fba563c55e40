#include "app/PaneRtf.h"

#include <QTextBlock>
#include <QTextDocument>

#include "app/PaneText.h"
#include "app/RtfBuilder.h"
#include "app/TextViewFormat.h"

namespace kunimor::app {

std::string PaneRtf(const QTextDocument& document, const std::string& fontName, int fontSize) {
    TRtfBuilder builder(fontName);
    builder.SetFontSize(fontSize);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            builder.SetColor(ColorOfFormat(fragment.charFormat()));
            builder.SetStyle(StyleOfFormat(fragment.charFormat()));
            builder.AddText(ToEngine(fragment.text()).text);
        }
        if (block.next().isValid()) builder.AddText("\r\n");
    }
    return builder.Document();
}

}  // namespace kunimor::app
