// The real modal box behind the message box seam, installed into the seam
// when the library loads.
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
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

    void present(const std::string& text, const std::string& title) override
    {
        QMessageBox::information(QApplication::activeWindow(), QString::fromStdString(title),
                                 QString::fromStdString(text), QMessageBox::Ok);
    }
};

ModalMessageBox presenter;

} // namespace

} // namespace Platform
