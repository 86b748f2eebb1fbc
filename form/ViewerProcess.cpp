#include "ViewerProcess.h"

#include <QProcess>

namespace form {

ViewerProcess::ViewerProcess() = default;

ViewerProcess::~ViewerProcess()
{
    Stop();
}

bool ViewerProcess::Start(const QString& program, const QString& argument)
{
    Stop();
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, {argument});
    if (!process->waitForStarted())
        return false;
    m_process = std::move(process);
    return true;
}

void ViewerProcess::Stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(2000);
    }
    m_process.reset();
}

} // namespace form
