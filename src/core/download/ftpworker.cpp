#include "download/ftpworker.h"

FtpWorker::~FtpWorker() {
    stop();
}

void FtpWorker::queue(std::function<void()> job) {
    std::lock_guard lock(m_mutex);
    if (m_stopping) {
        return;
    }
    m_jobs.push_back(std::move(job));
    if (!m_thread.joinable()) {
        m_thread = std::thread([this] { run(); });
    }
    m_wake.notify_one();
}

void FtpWorker::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_wake.notify_one();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void FtpWorker::run() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping) {
                return;
            }
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
}
