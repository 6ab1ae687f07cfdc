#pragma once
#include <QObject>

class QSocketNotifier;

namespace Platform {

// SIGTERM and SIGINT as a Qt signal: the handler only writes a byte into a
// socket pair, and the event loop reports it, so that the program ends the
// way it ends when its windows close, on its one thread.
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
