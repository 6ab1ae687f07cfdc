#include "OutputTail.h"

#include <QFile>

namespace History {

QString OutputTail::of(const std::string& file)
{
    QFile f(QString::fromStdString(file));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const qint64 size = f.size();
    if (size > Kept) f.seek(size - Kept);
    QByteArray bytes = f.readAll();
    // Continuation bytes of a character the cut went through.
    qsizetype start = 0;
    while (size > Kept && start < bytes.size() && (static_cast<unsigned char>(bytes[start]) & 0xC0) == 0x80) ++start;
    return QString::fromUtf8(bytes.mid(start));
}

} // namespace History
