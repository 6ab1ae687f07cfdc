#include "MessageBox.h"

#include <iostream>

namespace Platform {

namespace {

struct Seam {
    MessageBox::Handler handler;
    MessageBox::Asker asker;
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

void showBox(const std::string& text, const std::string& title, MessageBox::Icon icon)
{
    if (seam().ending || (!seam().handler && !canPresent())) writeToStandardError(text, title);
    else if (seam().handler) seam().handler(text, title);
    else seam().presenter->present(text, title, icon);
}

} // namespace

void MessageBox::show(const std::string& text, const std::string& title) { showBox(text, title, Icon::Information); }

void MessageBox::showError(const std::string& text, const std::string& title) { showBox(text, title, Icon::Error); }

int MessageBox::ask(const std::string& text, const std::vector<std::string>& buttons, int escape,
                    const std::string& title)
{
    if (seam().ending || (!seam().asker && !canPresent())) {
        writeToStandardError(text, title);
        return escape;
    }
    if (seam().asker) return seam().asker(text, buttons);
    return seam().presenter->ask(text, title, buttons, escape);
}

bool MessageBox::opensBoxes() { return !seam().ending && (seam().handler || canPresent()); }

MessageBox::Handler MessageBox::setHandler(Handler h)
{
    auto previous = std::move(seam().handler);
    seam().handler = std::move(h);
    return previous;
}

MessageBox::Asker MessageBox::setAsker(Asker a)
{
    auto previous = std::move(seam().asker);
    seam().asker = std::move(a);
    return previous;
}

void MessageBox::setPresenter(Presenter* presenter) { seam().presenter = presenter; }

void MessageBox::setEnding(bool ending) { seam().ending = ending; }

} // namespace Platform
