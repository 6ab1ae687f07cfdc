#pragma once
#include <functional>
#include <string>
#include <vector>

namespace Platform {

// Every modal message box of the system (an OK button, a text and a title,
// or a question with buttons of its own) goes through here. A handler in place takes every text (tests and
// command-line tools put their own there). Without one, the presenter of the
// window toolkit shows a real modal box, which it installs when its library
// loads; where it cannot (no GUI application, a platform without a screen)
// or where there is none, the text goes to standard error. Once the program
// is ending no box opens any more: the text goes to standard error, past any
// handler.
class MessageBox {
public:
    using Handler = std::function<void(const std::string& text, const std::string& title)>;
    enum class Icon { Information, Error };
    // Answers a question with the index of the button chosen.
    using Asker = std::function<int(const std::string& text, const std::vector<std::string>& buttons)>;

    // Shows a real modal box.
    class Presenter {
    public:
        virtual ~Presenter() = default;
        // False where a box could not be answered.
        virtual bool canPresent() const = 0;
        virtual void present(const std::string& text, const std::string& title, Icon icon) = 0;
        // escape: the button that Escape and the close box stand for.
        virtual int ask(const std::string& text, const std::string& title, const std::vector<std::string>& buttons,
                        int escape) = 0;
    };

    static void show(const std::string& text, const std::string& title = DefaultTitle);
    // The same for a failure: the box carries the error icon.
    static void showError(const std::string& text, const std::string& title = DefaultTitle);
    // A question whose answer is the index of the button chosen. Where no box
    // can open, it answers escape, the button that changes nothing, and the
    // question goes to standard error.
    static int ask(const std::string& text, const std::vector<std::string>& buttons, int escape,
                   const std::string& title = DefaultTitle);
    // False when show would only write to standard error.
    static bool opensBoxes();
    // Returns the previous handler; an empty handler restores the default.
    static Handler setHandler(Handler handler);
    // The same for questions.
    static Asker setAsker(Asker asker);
    // nullptr takes the presenter away.
    static void setPresenter(Presenter* presenter);
    // True from the moment the program begins to end; false again for a
    // process that goes on afterwards (a test).
    static void setEnding(bool ending);

    static constexpr const char* DefaultTitle = "Kalvor";
};

} // namespace Platform
