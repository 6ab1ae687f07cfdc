#pragma once
#include <QString>

// A notification's body as the server takes it. A server that announces
// "body-markup" reads the body as markup, so that the runner's texts (which
// hold identifiers, descriptions and program output) go with &, < and >
// escaped; any other server shows the text as it is.
class NotificationText {
public:
    static QString body(const QString& text, bool markup);
};
