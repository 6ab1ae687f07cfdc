#include "MessageBox.h"

#include <iostream>

namespace Platform {

namespace {

struct Seam {
    MessageBox::Handler handler;
    MessageBox::Presenter* presenter = nullptr;
    bool ending = false;
};

Seam& seam()
{
    static Seam s;
    return s;
}

bool canPresent() { return seam().presenter && seam().presenter->canPresent(); }

void writeToStandardError(const std::string& text, const std::string& title)
{
    std::cerr << title << ": " << text << std::endl;
}

void showDefault(const std::string& text, const std::string& title)
{
    if (!canPresent()) return writeToStandardError(text, title);
    seam().presenter->present(text, title);
}

} // namespace

void MessageBox::show(const std::string& text, const std::string& title)
{
    if (seam().ending) writeToStandardError(text, title);
    else if (seam().handler) seam().handler(text, title);
    else showDefault(text, title);
}

bool MessageBox::opensBoxes() { return !seam().ending && (seam().handler || canPresent()); }

MessageBox::Handler MessageBox::setHandler(Handler h)
{
    auto previous = std::move(seam().handler);
    seam().handler = std::move(h);
    return previous;
}

void MessageBox::setPresenter(Presenter* presenter) { seam().presenter = presenter; }

void MessageBox::setEnding(bool ending) { seam().ending = ending; }

} // namespace Platform
