#include "editing/ui/ProportionalGrid.h"

#include "editing/ui/ProportionalColumns.h"

#include <QHeaderView>
#include <QResizeEvent>

namespace kunimor::app {

TMyDBGrid::TMyDBGrid(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setFixedWidth(12);  // the current-row indicator, without numbers
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!fitting_ && column < static_cast<int>(base_.size())) base_[column] = width;
    });
}

void TMyDBGrid::SetBaseWidths(std::vector<int> widths) {
    base_ = std::move(widths);
    FitColumns();
}

void TMyDBGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitColumns();
}

void TMyDBGrid::FitColumns() {
    if (fitting_ || !model()) return;
    const int columns = model()->columnCount();
    if (static_cast<int>(base_.size()) != columns) {
        base_.clear();
        for (int c = 0; c < columns; ++c) base_.push_back(horizontalHeader()->defaultSectionSize());
    }
    std::vector<int> visible, base, current;
    for (int c = 0; c < columns; ++c)
        if (!isColumnHidden(c)) {
            visible.push_back(c);
            base.push_back(base_[c]);
            current.push_back(columnWidth(c));
        }
    const auto widths = ProportionalWidths(viewport()->width(), base, current);
    if (!widths) return;
    fitting_ = true;
    for (size_t i = 0; i < visible.size(); ++i) setColumnWidth(visible[i], (*widths)[i]);
    fitting_ = false;
}

}  // namespace kunimor::app
