#pragma once

#include <QLabel>

namespace kunimor::app {

// A named label for a form row: a language file reaches it by its name.
inline QLabel* Labelled(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace kunimor::app
