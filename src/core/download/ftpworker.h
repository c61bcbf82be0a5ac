#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// One thread that runs jobs one after the other in the order they were queued. The thread is
// started with the first job; the destructor lets the running job end, drops the jobs not yet
// started and joins the thread.
class FtpWorker {
  public:
    FtpWorker() = default;
    ~FtpWorker();
    FtpWorker(const FtpWorker&) = delete;
    FtpWorker& operator=(const FtpWorker&) = delete;

    void queue(std::function<void()> job);
    // Ends the thread after the running job; the jobs still queued are dropped.
    void stop();

  private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
    std::thread m_thread;
};
