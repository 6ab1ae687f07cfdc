#include "NotificationText.h"

QString NotificationText::body(const QString& text, bool markup)
{
    if (!markup) return text;
    QString escaped = text;
    escaped.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
    return escaped;
}
