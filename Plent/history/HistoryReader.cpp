#include "HistoryReader.h"

#include <QFile>
#include <QJsonDocument>

#include <map>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace History {

HistoryReader::Lines HistoryReader::parse(const QByteArray& bytes)
{
    Lines result;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) continue;
        const QJsonDocument document = QJsonDocument::fromJson(lines[i]);
        if (document.isObject()) result.lines.push_back(document.object());
        else if (i + 1 < lines.size()) ++result.damaged;
    }
    return result;
}

std::vector<RunRecord> HistoryReader::runsOf(const std::vector<QJsonObject>& lines)
{
    std::vector<RunRecord> runs;
    std::map<QString, size_t> positions;
    for (const QJsonObject& line : lines) {
        const QString run = line.value(Key::Run).toString();
        const auto found = positions.find(run);
        if (found != positions.end() && !run.isEmpty()) {
            runs[found->second].add(line);
            continue;
        }
        positions[run] = runs.size();
        runs.emplace_back(line);
    }
    return runs;
}

HistoryReader::Runs HistoryReader::read(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly))
        Platform::Raise(Platform::Err::PathFileAccess, "HistoryReader.read", file.errorString().toStdString());
    const Lines lines = parse(file.readAll());
    return {runsOf(lines.lines), lines.damaged};
}

} // namespace History
