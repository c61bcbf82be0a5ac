#pragma once

#include "model/reporttext.h"

#include <QFile>
#include <QtGlobal>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

// A big report read and split on a thread of its own while the lines that have arrived are
// parsed on this one. Lines arrive in order and stay where they are in memory: the thread stops
// short of anything that would move the text (a file that grew while it was read, lines too
// many for the room kept for their starts), and what is left is then read here, when a line
// beyond those that have arrived is asked for.
class ReportText::Stream {
  public:
    Stream();
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    // Waits for the thread: after a parse that ended early the file is still read to its end.
    ~Stream();

    // Starts reading the file into text, which must stay where it is until the stream is over.
    // False, with nothing started and the text empty, when the file cannot be opened, is too big
    // for the text's 32-bit line starts or no thread can be had.
    bool start(const QString& path, ReportText& text);
    // Waits until the text holds at least `lines` lines or every line there is, and returns how
    // many it holds; only lines below that count may be read until the next call. Once ended()
    // the count is the text's size().
    qsizetype waitFor(qsizetype lines);
    bool ended() const { return m_done; }
    // Once ended(): a read failed (the text is then as far as it got), and the bytes read.
    bool failed() const { return m_failed; }
    qint64 size() const { return m_size; }

  private:
    // What reading one more piece came to: read and split, the end of the file, a failed read,
    // or no room for it without moving the text.
    enum class Piece { Read, End, Failed, Full };

    // On the thread: reads and splits until the file ends, a read fails or the text would have
    // to move.
    void run();
    // Reads and splits one piece. The text may move (grow) only when `grow` is set.
    Piece readPiece(bool grow);
    // Splits the last line and notes the end.
    void finish();
    // The lines that have arrived: all but the one still being split.
    qsizetype arrived() const;

    ReportText* m_text = nullptr;
    QFile m_file;
    std::unique_ptr<Splitter> m_splitter;
    qint64 m_size = 0;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    qsizetype m_published = 0;    // guarded: lines that may be read
    bool m_threadDone = false;    // guarded: the thread has stopped (m_state says why)
    Piece m_state = Piece::Read;  // guarded until the thread is joined
    bool m_done = false;          // this thread: every line is in
    bool m_failed = false;        // this thread, once done
};
