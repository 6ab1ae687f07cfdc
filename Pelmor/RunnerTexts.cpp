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
    }
    return "%1";
}

QString RunnerTexts::text(Number number, const QString& argument) const
{
    char buffer[256];
    const int length = hMsg_ == -1 ? 0 : Platform::LoadStringA(hMsg_, Offset + number, buffer, 255);
    const QString text = length > 0 ? QString::fromLatin1(buffer, length) : QString::fromUtf8(german(number));
    return text.arg(argument);
}
