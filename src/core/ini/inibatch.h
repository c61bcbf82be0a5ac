#pragma once

#include "ini/directorylock.h"
#include "ini/inilines.h"

#include <QString>
#include <memory>
#include <vector>

// Gathers the keyed writes that IniFile makes on this thread while the batch lives and writes
// each changed file once, on commit(), so a command that changes several keys replaces each file
// in one atomic step: a killed program leaves every file as it was before or after the command.
// Reads through IniFile see the gathered writes. A batch that ends without commit() (an error
// thrown half-way) writes nothing. A batch opened while another is open joins the outer one.
// From the first write of a file to its end the batch holds the lock of that file's folder, so
// the lines it gathered stay those of the file until they are written.
class IniBatch {
  public:
    IniBatch();
    ~IniBatch();
    IniBatch(const IniBatch&) = delete;
    IniBatch& operator=(const IniBatch&) = delete;

    // Writes every changed file, in the order they were first touched; throws like a write.
    void commit();

    // For IniFile: the gathered lines of the file when a batch is open and has seen it
    // (nullptr otherwise), and where a write goes.
    static const QList<IniLines::RawLine>* pending(const QString& path);
    // True when a batch took the lines; false means the caller writes the file itself.
    static bool store(const QString& path, const QList<IniLines::RawLine>& lines);

  private:
    struct File {
        QString path;
        QList<IniLines::RawLine> lines;
    };
    std::vector<File> m_files;
    std::vector<std::unique_ptr<DirectoryLock>> m_locks;
    bool m_outer;
};
