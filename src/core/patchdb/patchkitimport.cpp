#include "patchdb/patchkitimport.h"

#include "patchdb/patchdatabasemanager.h"
#include "text/codepage.h"

#include <QFileInfo>

QString PatchKitImport::patchModuleIn(const QString& line) {
    const QString name = line.left(16).trimmed();
    for (const char* suffix : {"FX.DXP", "FIX.DXP", "FX2.DXP", "FIX2.DXP"}) {
        if (name.contains(QLatin1String(suffix))) {
            return name;
        }
    }
    return {};
}

QStringList PatchKitImport::scanKit(const QStringList& lines, Progress* progress) {
    enum class State { BeforeFileList, BeforeStart, ModuleBlock };
    State state = State::BeforeFileList;
    QStringList names;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (progress) {
            progress->pumpEvents();
        }
        const QString& line = lines.at(i);
        switch (state) {
            case State::BeforeFileList:
                if (line.contains(QLatin1String("Files Included"))) {
                    state = State::BeforeStart;
                }
                break;
            case State::BeforeStart:
                if (line.contains(QLatin1String("\\NATIVE\\START"))) {
                    state = State::ModuleBlock;
                }
                break;
            case State::ModuleBlock: {
                const QString name = patchModuleIn(line);
                if (!name.isEmpty()) {
                    names.append(name);
                }
                const QString next = lines.value(i + 1);
                if (!next.isEmpty() && !next.startsWith(u' ')) {
                    state = State::BeforeFileList;
                }
                break;
            }
        }
    }
    return names;
}

void PatchKitImport::clear() {
    ImportPatchTxtFile.clear();
    ImportPatchTxtFileLabel.clear();
    ImportPatchListBox.clear();
    ImportPatchListBoxLabel.clear();
}

void PatchKitImport::writeSet(const QStringList& names) {
    const QString section = ImportPatchTxtFileLabel + QStringLiteral(" : ") +
                            QString::number(names.size()) + QStringLiteral(" native patches");
    // Key by key: an existing section of the same name keeps the keys above the new count.
    QList<IniFile::Entry> entries;
    for (qsizetype k = 0; k < names.size(); ++k) {
        entries.append({QString::number(k + 1), names.at(k)});
    }
    m_manager.databases().CurrentDatabase().writeStrings(section, entries);
    m_manager.dialogs().inform(QString::number(names.size()) +
                               QStringLiteral(" patches added to the Patch Database."));
}

void PatchKitImport::importFile(const QString& path) {
    ImportPatchListBox.clear();
    ImportPatchTxtFile.clear();
    if (QFileInfo(path).isFile()) {
        ImportPatchTxtFileLabel = QFileInfo(path).fileName();
        codepage::readLines(path, ImportPatchTxtFile);
    }
    ImportPatchListBox = scanKit(ImportPatchTxtFile, &m_manager.progress());
    const qsizetype count = ImportPatchListBox.size();
    ImportPatchListBoxLabel = QString::number(count) + QStringLiteral(" patches");
    if (count == 0) {
        return;
    }
    if (m_manager.dialogs().askYesNo(
            MessageKind::Confirmation,
            QString::number(count) +
                QStringLiteral(" patches found.  Add these to the Patch Database?\r\n"
                               "(If this is not the correct number then choose NO and manually\r\n"
                               " highlight the area in the patch text file to import patches.)"))) {
        writeSet(ImportPatchListBox);
    }
}

void PatchKitImport::importSelection(const QString& selectedText) {
    if (!m_manager.databases().UncontrolledMode() || selectedText.isEmpty()) {
        return;
    }
    if (!m_manager.dialogs().askYesNo(MessageKind::Confirmation,
                                      QStringLiteral("Import patches from selected text?"))) {
        return;
    }
    ImportPatchListBox.clear();
    for (const QString& line : codepage::splitLines(selectedText)) {
        const QString name = patchModuleIn(line);
        if (!name.isEmpty()) {
            ImportPatchListBox.append(name);
        }
    }
    const qsizetype count = ImportPatchListBox.size();
    ImportPatchListBoxLabel = QString::number(count) + QStringLiteral(" patches");
    m_manager.ReadPatchDatabase();
    // The kit's earlier set is replaced. Without a kit name every header would match, so
    // nothing is erased then.
    const QString base = ImportPatchTxtFileLabel.section(u'.', 0, 0);
    if (count > 0 && !base.isEmpty()) {
        for (const QString& line : m_manager.databaseText()) {
            if (line.startsWith(u'[') && line.contains(base)) {
                m_manager.databases().CurrentDatabase().eraseSection(line.mid(1, line.size() - 2));
                break;
            }
        }
    }
    writeSet(ImportPatchListBox);
}
