#pragma once
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <string>
#include <vector>

#include "Plent/model/CPlent.h"
#include "Plent/model/colPlents.h"

namespace Plent {

// The texts of the event list's rows, one row per event: identifier,
// description, next start, last start (in the locale's general date form,
// empty when not set) and the status text.
//
// The list is rebuilt after every hand-out, and a hand-out changes one
// event: the texts of a row are made anew only when the event's shown values
// changed, its place moved by more than a few rows, or the locale changed.
class PlentRowTexts {
public:
    static constexpr int StatusCount = 5;

    // The texts of Status 0 to 4; forgets every row made with the old ones.
    void setStatusTexts(std::array<QString, StatusCount> texts);
    QList<QStringList> rows(const colPlents& plents);

    // "status [" + value + "] unknown!" for values without a text.
    QString statusText(int16_t status) const;

private:
    // What a row shows, and the texts made from it.
    struct Row {
        std::string identifier;
        std::string description;
        Date nextStart = 0;
        Date lastStart = 0;
        int16_t status = 0;
        QStringList texts;

        bool shows(const CPlent& event) const;
    };
    // How far ahead of its old place an event is looked for: a removed
    // event shifts the rows after it.
    static constexpr size_t LookAhead = 4;

    Row makeRow(const CPlent& event) const;
    // The old row to reuse for event (to be moved from), searching from
    // position; advances position past it. Nullptr when there is none.
    Row* reusable(const CPlent& event, size_t& position);

    std::array<QString, StatusCount> statusTexts_;
    std::vector<Row> rows_;
    QLocale locale_;
};

} // namespace Plent
