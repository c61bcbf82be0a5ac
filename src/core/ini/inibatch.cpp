#include "ini/inibatch.h"

#include <QFileInfo>

namespace {

thread_local IniBatch* tActive = nullptr;

}  // namespace

IniBatch::IniBatch() : m_outer(tActive == nullptr) {
    if (m_outer) {
        tActive = this;
    }
}

IniBatch::~IniBatch() {
    if (m_outer) {
        tActive = nullptr;
    }
}

void IniBatch::commit() {
    if (!m_outer) {
        return;
    }
    tActive = nullptr;  // the files are written for real from here on
    std::vector<File> files = std::move(m_files);
    m_files.clear();
    for (const File& file : files) {
        IniLines::saveRaw(file.path, file.lines);
    }
    tActive = this;
}

const QList<IniLines::RawLine>* IniBatch::pending(const QString& path) {
    if (tActive == nullptr) {
        return nullptr;
    }
    for (const File& file : tActive->m_files) {
        if (file.path == path) {
            return &file.lines;
        }
    }
    return nullptr;
}

bool IniBatch::store(const QString& path, const QList<IniLines::RawLine>& lines) {
    if (tActive == nullptr) {
        return false;
    }
    for (File& file : tActive->m_files) {
        if (file.path == path) {
            file.lines = lines;
            return true;
        }
    }
    tActive->m_locks.push_back(std::make_unique<DirectoryLock>(QFileInfo(path).absolutePath()));
    tActive->m_files.push_back({path, lines});
    return true;
}
