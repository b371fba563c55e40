#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

#include "app/Settings.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFontComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace kunimor::app {

// "Настройки программы": edits a copy of the settings and hands it back on
// OK and Apply, which then take effect at once.
class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    TfrmOptions(const TSettings& settings, std::function<void(const TSettings&)> apply, QWidget* parent);

    // The settings as the controls show them.
    TSettings Edited() const;

    QCheckBox* CheckBox(bool TSettings::*option) const;
    QSpinBox* FontSize() const { return fontSize_; }
    QListWidget* TextViews() const { return lbTextViews_; }
    QAbstractButton* StyleButton(uint8_t bit) const;
    QPushButton* ApplyButton() const { return apply_; }
    void SetViewColor(uint32_t rgb);
    void SetBackColor(uint32_t rgb);

private:
    void ShowView(int view);
    void ViewEdited();
    void UpdateSample();

    TSettings settings_;
    std::function<void(const TSettings&)> applyProc_;
    std::vector<std::pair<bool TSettings::*, QCheckBox*>> checks_;
    QButtonGroup* dopLatCoding_;
    QSpinBox* autoSaveInterval_;
    QFontComboBox* fontName_;
    QSpinBox* fontSize_;
    QListWidget* lbTextViews_;
    QPushButton* backColor_;
    QPushButton* foreColor_;
    std::array<QAbstractButton*, 3> styleButtons_{};
    QLabel* pnlText_;
    QPushButton* apply_;
    bool showing_ = false;
};

}  // namespace kunimor::app
