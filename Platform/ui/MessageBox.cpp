#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <iostream>

namespace Platform {

namespace {

MessageBox::Handler& handler()
{
    static MessageBox::Handler h;
    return h;
}

void showDefault(const std::string& text, const std::string& title)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox::information(QApplication::activeWindow(), QString::fromStdString(title),
                                 QString::fromStdString(text), QMessageBox::Ok);
        return;
    }
    std::cerr << title << ": " << text << std::endl;
}

} // namespace

void MessageBox::show(const std::string& text, const std::string& title)
{
    if (handler()) handler()(text, title);
    else showDefault(text, title);
}

MessageBox::Handler MessageBox::setHandler(Handler h)
{
    auto previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

} // namespace Platform
