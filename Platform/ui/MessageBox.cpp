#include "MessageBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

#include <iostream>

#include "SessionEnd.h"

namespace Platform {

namespace {

MessageBox::Handler& handler()
{
    static MessageBox::Handler h;
    return h;
}

// A modal box on a platform without a screen (offscreen, minimal) would wait
// for a click that can never come: there the text goes to standard error.
bool canShowBoxes()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

void writeToStandardError(const std::string& text, const std::string& title)
{
    std::cerr << title << ": " << text << std::endl;
}

void showDefault(const std::string& text, const std::string& title)
{
    if (!canShowBoxes()) return writeToStandardError(text, title);
    QMessageBox::information(QApplication::activeWindow(), QString::fromStdString(title), QString::fromStdString(text),
                             QMessageBox::Ok);
}

} // namespace

void MessageBox::show(const std::string& text, const std::string& title)
{
    if (SessionEnd::hasBegun()) writeToStandardError(text, title);
    else if (handler()) handler()(text, title);
    else showDefault(text, title);
}

bool MessageBox::opensBoxes() { return !SessionEnd::hasBegun() && (handler() || canShowBoxes()); }

MessageBox::Handler MessageBox::setHandler(Handler h)
{
    auto previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

} // namespace Platform
