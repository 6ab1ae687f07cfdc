#include "LocaleDateTime.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

#include "LocaleDates.h"

namespace Platform {

namespace {

// Locales may separate the time from AM/PM by a no-break space; a typed
// plain blank counts the same.
QString plainBlanks(QString text)
{
    text.replace(QChar(0x202F), u' ');
    text.replace(QChar(0x00A0), u' ');
    return text;
}

std::optional<DateTime> parseTime(const QString& text)
{
    const QLocale locale;
    const QStringList formats{locale.timeFormat(QLocale::ShortFormat), QStringLiteral("H:mm"),
                              QStringLiteral("H:mm:ss"), QStringLiteral("h:mm AP"), QStringLiteral("h:mm:ss AP")};
    const QString plain = plainBlanks(text);
    for (const QString& format : formats) {
        const QTime t = locale.toTime(plain, plainBlanks(format));
        if (t.isValid()) return DateTime(t.msecsSinceStartOfDay() / 1000);
    }
    return std::nullopt;
}

std::optional<DateTime> parseDate(const QString& text) { return LocaleDates::parseDate(text.toStdString()); }

} // namespace

std::optional<DateTime> LocaleDateTime::parse(const std::string& input)
{
    const QString text = QString::fromStdString(input).trimmed();
    if (const auto date = parseDate(text)) return date;
    if (const auto time = parseTime(text)) return time;
    // Either part may hold blanks itself ("8:30 PM"), so try every blank.
    for (qsizetype blank = text.indexOf(u' '); blank > 0; blank = text.indexOf(u' ', blank + 1)) {
        const auto date = parseDate(text.left(blank).trimmed());
        if (!date) continue;
        if (const auto time = parseTime(text.mid(blank + 1).trimmed())) return date->addSeconds(time->seconds());
    }
    return std::nullopt;
}

} // namespace Platform
