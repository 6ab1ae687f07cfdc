#pragma once
#include <QWidget>

#include <string>

#include "Plent/history/EventRunRows.h"

class QLabel;
class QPlainTextEdit;

namespace Platform {
class ReportList;
}

namespace Plent {

class frmShowPlents;

// The runs of one event as the history beside the event file tells them,
// newest first, and below them the output kept of the run highlighted. It
// opens beside the list window, which it follows: when the runner writes
// to the history, the runs are read again. Viewing needs no password.
class frmHistory : public QWidget {
    Q_OBJECT

public:
    // A window of its own for each call; it is deleted when it closes, or
    // with the list window.
    static frmHistory* open(frmShowPlents& list, const std::string& identifier);

    const std::string& Identifier() const { return identifier_; }
    // Reads the runs again, keeping the run highlighted.
    void Reload();

private:
    frmHistory(frmShowPlents& list, std::string identifier);
    void InitColumns();
    void widenForColumns();
    void lvwRuns_RowChosen(int row);
    QString text(int16_t msgNr, const char* design) const;

    frmShowPlents& list_;
    std::string identifier_;
    History::EventRunRows runs_;
    Platform::ReportList* lvwRuns;
    QLabel* lblOutput;
    QPlainTextEdit* txtOutput;
};

} // namespace Plent
