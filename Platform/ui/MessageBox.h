#pragma once
#include <functional>
#include <string>

namespace Platform {

// Every modal message box of the system (an OK button, a text and a title)
// goes through here. A GUI program shows a real modal box; without a GUI
// application, or on a platform without a screen, the text goes to standard
// error. Tests and command-line tools put their own handler in place. Once
// the program is ending (SessionEnd) no box opens any more: the text goes
// to standard error, past any handler.
class MessageBox {
public:
    using Handler = std::function<void(const std::string& text, const std::string& title)>;

    static void show(const std::string& text, const std::string& title = DefaultTitle);
    // False when show would only write to standard error.
    static bool opensBoxes();
    // Returns the previous handler; an empty handler restores the default.
    static Handler setHandler(Handler handler);

    static constexpr const char* DefaultTitle = "Kalvor";
};

} // namespace Platform
