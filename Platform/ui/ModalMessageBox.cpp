// The real modal box behind the message box seam, installed into the seam
// when the library loads.
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include "Platform/boxes/MessageBox.h"

namespace Platform {

namespace {

class ModalMessageBox : public MessageBox::Presenter {
public:
    ModalMessageBox() { MessageBox::setPresenter(this); }
    ~ModalMessageBox() override { MessageBox::setPresenter(nullptr); }
    ModalMessageBox(const ModalMessageBox&) = delete;
    ModalMessageBox& operator=(const ModalMessageBox&) = delete;

    // A modal box on a platform without a screen (offscreen, minimal) would
    // wait for a click that can never come.
    bool canPresent() const override
    {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
        const QString platform = QGuiApplication::platformName();
        return platform != "offscreen" && platform != "minimal";
    }

    void present(const std::string& text, const std::string& title, MessageBox::Icon icon) override
    {
        QMessageBox box(icon == MessageBox::Icon::Error ? QMessageBox::Critical : QMessageBox::Information,
                        QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }

    int ask(const std::string& text, const std::string& title, const std::vector<std::string>& buttons,
            int escape) override
    {
        QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                        QMessageBox::NoButton, QApplication::activeWindow());
        std::vector<QPushButton*> added;
        for (const std::string& caption : buttons)
            added.push_back(box.addButton(QString::fromStdString(caption), QMessageBox::ActionRole));
        if (escape >= 0 && escape < static_cast<int>(added.size())) box.setEscapeButton(added[escape]);
        if (!added.empty()) box.setDefaultButton(added.front());
        box.exec();
        for (size_t i = 0; i < added.size(); ++i)
            if (box.clickedButton() == added[i]) return static_cast<int>(i);
        return escape;
    }
};

ModalMessageBox presenter;

} // namespace

} // namespace Platform
