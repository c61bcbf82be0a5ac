#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace atomicfile {

// Replaces the file with the bytes through "<name>.<process id>.tmp" beside it, renamed over the
// target only when every byte is written and synced, so a crash, a kill or a full disk never
// leaves half a file; a temporary file that a killed write left is removed by the next write in
// that folder. The temporary file is the owner's alone (0600), and so is the result when the
// target is new or readable by everybody; otherwise the target's mode is kept. A valid `modified`
// becomes the file's modification time. An existing file that may not be written is refused. Throws
// OperationError "Unable to write to <path>".
void write(const QString& path, const QByteArray& bytes, const QDateTime& modified = QDateTime());

}  // namespace atomicfile
