#include "LocaleDates.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

namespace Platform {

namespace {

// The section letters of a format outside its quoted literals.
template <class F>
QString mapUnquoted(const QString& format, F&& mapSection)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') { quoted = !quoted; out += c; ++i; continue; }
        qsizetype n = 1;
        while (i + n < format.size() && format[i + n] == c) ++n;
        out += quoted ? format.mid(i, n) : mapSection(c, n);
        i += n;
    }
    return out;
}

QString withFourDigitYear(const QString& format)
{
    return mapUnquoted(format, [](QChar c, qsizetype n) { return c == u'y' && n == 2 ? QStringLiteral("yyyy") : QString(n, c); });
}

// The long time form without the time zone, which this system's local times
// do not have.
QString longTimeFormat()
{
    const QString format = mapUnquoted(QLocale().timeFormat(QLocale::LongFormat),
                                       [](QChar c, qsizetype n) { return c == u't' ? QString() : QString(n, c); });
    return format.trimmed();
}

// The short time form without its seconds (the C locale's has them), and
// without the separator in front of them: "HH:mm:ss" becomes "HH:mm".
QString shortTimeFormat()
{
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') quoted = !quoted;
        if (quoted || c != u's') {
            out += c;
            continue;
        }
        while (!out.isEmpty() && !out.back().isLetter() && out.back() != u'\'') out.chop(1);
        while (i + 1 < format.size() && format[i + 1] == u's') ++i;
    }
    return out;
}

QString shortDateFormat() { return withFourDigitYear(QLocale().dateFormat(QLocale::ShortFormat)); }

QDate twoDigitYearDate(const QLocale& locale, const QString& text, const QString& format)
{
    const QDate d = locale.toDate(text, format);
    // Qt reads "yy" as 19yy; the years up to 29 belong to this century.
    if (d.isValid() && d.year() < 1930) return d.addYears(100);
    return d;
}

QDate parse(const QString& text)
{
    const QLocale locale;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    const QStringList formats{withFourDigitYear(shortFormat), locale.dateFormat(QLocale::LongFormat),
                              QStringLiteral("yyyy-M-d"), QStringLiteral("d.M.yyyy")};
    for (const QString& format : formats) {
        const QDate d = locale.toDate(text, format);
        if (d.isValid()) return d;
    }
    if (formats.front() != shortFormat) return twoDigitYearDate(locale, text, shortFormat);
    return {};
}

QDate qtDate(DateTime t)
{
    const CivilDateTime c = t.civil();
    return QDate(c.year, c.month, c.day);
}

QTime qtTime(DateTime t)
{
    const int s = t.secondOfDay();
    return QTime(s / 3600, s / 60 % 60, s % 60);
}

} // namespace

std::optional<DateTime> LocaleDates::parseDate(const std::string& text)
{
    const QDate d = parse(QString::fromStdString(text));
    if (!d.isValid()) return std::nullopt;
    return DateTime::fromCivil(d.year(), d.month(), d.day());
}

std::string LocaleDates::shortDate(DateTime t)
{
    return QLocale().toString(qtDate(t), shortDateFormat()).toStdString();
}

std::string LocaleDates::shortTime(DateTime t)
{
    return QLocale().toString(qtTime(t), shortTimeFormat()).toStdString();
}

std::string LocaleDates::longTime(DateTime t) { return QLocale().toString(qtTime(t), longTimeFormat()).toStdString(); }

std::string LocaleDates::generalDate(DateTime t)
{
    if (t.dayNumber() == 0) return longTime(t);
    if (t.secondOfDay() == 0) return shortDate(t);
    return shortDate(t) + " " + longTime(t);
}

} // namespace Platform
