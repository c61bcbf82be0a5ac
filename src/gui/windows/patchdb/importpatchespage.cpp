#include "gui/windows/patchdb/importpatchespage.h"

#include "gui/windows/patchdb/guardedcommand.h"
#include "patchdb/patchkitimport.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QStringListModel>
#include <QTextCursor>

ImportPatchesPage::ImportPatchesPage(PatchKitImport& import, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_import(import),
      m_dialogs(dialogs),
      m_fileLabel(new QLabel),
      m_kit(new QPlainTextEdit),
      m_countLabel(new QLabel),
      m_names(new QStringListModel(this)),
      m_list(new QListView) {
    m_fileLabel->setAccessibleDescription(QStringLiteral("Patch kit file"));
    m_kit->setAccessibleName(QStringLiteral("Patch kit text"));
    m_kit->setReadOnly(true);
    m_kit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_kit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_kit->viewport()->installEventFilter(this);
    m_countLabel->setAccessibleDescription(QStringLiteral("Patches found"));
    m_list->setAccessibleName(QStringLiteral("Patches found"));
    m_list->setModel(m_names);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_fileLabel, 0, 0);
    layout->addWidget(m_countLabel, 0, 1);
    layout->addWidget(m_kit, 1, 0);
    layout->addWidget(m_list, 1, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 1);
    refresh();
}

void ImportPatchesPage::refresh() {
    m_fileLabel->setText(m_import.ImportPatchTxtFileLabel);
    const QString text = m_import.ImportPatchTxtFile.join(u'\n');
    if (m_kit->toPlainText() != text) {
        m_kit->setPlainText(text);
    }
    m_countLabel->setText(m_import.ImportPatchListBoxLabel);
    if (m_names->stringList() != m_import.ImportPatchListBox) {
        m_names->setStringList(m_import.ImportPatchListBox);
    }
}

void ImportPatchesPage::importFile(const QString& path) {
    runGuarded(m_dialogs, [&] { m_import.importFile(path); });
    refresh();
    emit changed();
}

void ImportPatchesPage::importSelection() {
    QString selected = m_kit->textCursor().selectedText();
    // A selection separates its lines with the paragraph separator.
    selected.replace(QChar::ParagraphSeparator, u'\n');
    runGuarded(m_dialogs, [&] { m_import.importSelection(selected); });
    refresh();
    emit changed();
}

bool ImportPatchesPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_kit->viewport() && event->type() == QEvent::MouseButtonRelease &&
        m_kit->textCursor().hasSelection()) {
        importSelection();
    }
    return QWidget::eventFilter(watched, event);
}
