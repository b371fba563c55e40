#pragma once

#include "app/PanelFrame.h"

#include <functional>
#include <string>

class QTableWidget;
class QTextEdit;

namespace kunimor::app {

class TPrompter;
class TUnknownWords;

// The words without translation with their repeat counts: sorted by word
// or by count, found in the source pane, saved to a text file.
class TfrmUnknown : public TPanelFrame {
    Q_OBJECT
public:
    TfrmUnknown(const TUnknownWords& words, QTextEdit& sourcePane, TPrompter& prompter, QWidget* parent);

    void Refresh() override;
    void SetSortByCount(bool byCount);
    bool SortByCount() const { return sortByCount_; }
    // Selects the next whole-word match of the row's word in the source
    // pane, from the selection's end (from the start when that is the text's end).
    void SearchInText(int row);
    void SaveToFile();

    QTableWidget* Grid() const { return grdUnknown_; }
    // Opens the article of a double-clicked word, or adds it (Windows-1251).
    std::function<void(const std::string& word)> OpenWord;

    // "неизвестные слова.txt", or with the first number that names no file in folder.
    static QString FreeFileName(const QString& folder);

private:
    void ShowMenu(const QPoint& at);

    const TUnknownWords& words_;
    QTextEdit& sourcePane_;
    TPrompter& prompter_;
    QTableWidget* grdUnknown_;
    bool sortByCount_ = false;
};

}  // namespace kunimor::app
