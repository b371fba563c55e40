#pragma once

class QWidget;

namespace kunimor {
class TBelModule;
}

namespace kunimor::app {

// "Тематики текста": the tree of groups and themes whose checked themes the
// translation prefers; true when the user confirmed, and the Selected flags
// are then stored.
bool SelectTextThemes(TBelModule& module, int lang, QWidget* parent);

}  // namespace kunimor::app
