#pragma once

#include <QTableView>

#include <vector>

namespace kunimor::app {

// The dictionary windows' table: whole rows selected, no in-place editing,
// uniform row heights (so a table of any size scrolls at once), and columns
// that fill the width in proportion to base widths. A column the user
// resizes becomes its own base.
class TMyDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TMyDBGrid(QWidget* parent = nullptr);
    void SetBaseWidths(std::vector<int> widths);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitColumns();
    std::vector<int> base_;
    bool fitting_ = false;
};

}  // namespace kunimor::app
