#include "RunnerTexts.h"

const char* RunnerTexts::german(Number number)
{
    switch (number) {
    case MoreFailed: return "%1 weitere Ereignisse sind fehlgeschlagen";
    case StartedLate: return "%1 Minuten zu spät gestartet";
    case NotStarted: return "konnte nicht gestartet werden: %1";
    case ExitStatus: return "endete mit Status %1";
    case Signal: return "durch Signal %1 beendet";
    case Skipped: return "übersprungen: läuft noch (Prozess %1)";
    case Held: return "zurückgehalten: %1";
    case NextStart: return "nächster Start: %1 um %2";
    case EventCount: return "%1 Events";
    case NoNextStart: return "kein Start geplant";
    case Running: return "läuft: %1";
    case Failed: return "fehlgeschlagen: %1";
    case DisplayAll: return "Anzeigen aller Events";
    case ExitRunner: return "Ende";
    }
    return "%1";
}

QString RunnerTexts::text(Number number) const
{
    char buffer[256];
    const int length = hMsg_ == -1 ? 0 : Platform::LoadStringA(hMsg_, Offset + number, buffer, 255);
    return length > 0 ? QString::fromLatin1(buffer, length) : QString::fromUtf8(german(number));
}

QString RunnerTexts::text(Number number, const QString& argument) const { return text(number).arg(argument); }

QString RunnerTexts::text(Number number, const QString& first, const QString& second) const
{
    return text(number).arg(first, second);
}
