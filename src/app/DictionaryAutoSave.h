#pragma once

namespace kunimor::app {

// Marks an edit operation as half done for as long as the object lives
// (an editor holds one from its first change to its OK or Cancel), so that
// no automatic save writes the dictionary in between.
class TEditInProgress {
public:
    TEditInProgress();
    ~TEditInProgress();
    TEditInProgress(const TEditInProgress&) = delete;
    TEditInProgress& operator=(const TEditInProgress&) = delete;
};

// Whether the timer or F12 may save the dictionary now: not while the
// window is busy (a translation or another long command runs), a modal
// dialog is open or an edit operation is half done.
bool AutoSaveMayRun(bool busy);

}  // namespace kunimor::app
