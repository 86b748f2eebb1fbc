#pragma once
// The diagram viewer the form started: one at a time, started without a
// shell and without waiting, and on Stop terminated and reaped so that it
// never lingers as a zombie.

#include <QString>

#include <memory>

class QProcess;

namespace form {

class ViewerProcess {
public:
    ViewerProcess();
    ~ViewerProcess();
    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;

    // false when the program could not be started.
    bool Start(const QString& program, const QString& argument);
    void Stop();

private:
    std::unique_ptr<QProcess> m_process;
};

} // namespace form
