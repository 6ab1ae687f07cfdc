#pragma once
#include <QObject>

class QSocketNotifier;

namespace Platform {

// SIGTERM, SIGINT and SIGHUP (the terminal that started the program has
// closed) as a Qt signal: the handler only writes a byte into a socket
// pair, and the event loop reports it, so that the program ends on its one
// thread, as at the end of the session.
class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void received();

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace Platform
