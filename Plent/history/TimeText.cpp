#include "TimeText.h"

namespace History {

QString TimeText::of(Platform::DateTime t)
{
    const Platform::CivilDateTime c = t.civil();
    return QString("%1-%2-%3 %4:%5:%6")
        .arg(c.year, 4, 10, QChar('0'))
        .arg(c.month, 2, 10, QChar('0'))
        .arg(c.day, 2, 10, QChar('0'))
        .arg(c.hour, 2, 10, QChar('0'))
        .arg(c.minute, 2, 10, QChar('0'))
        .arg(c.second, 2, 10, QChar('0'));
}

} // namespace History
