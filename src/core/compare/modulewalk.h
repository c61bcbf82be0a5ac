#pragma once

#include "compare/comparetable.h"
#include "ui/progress.h"

#include <QStringList>

// The module part of the compare table: a merge of the two servers' sorted module lists. A
// module both servers load is one row with both entries; a module of one server has an empty
// cell on the other side. Names (the first 12 characters, trimmed) are compared with the
// collation the lists are sorted by, and the end of a list is found by its index, so no name
// can make the walk read past the end or split a common module onto two rows.
class ModuleWalk {
  public:
    // width: the characters of an entry shown after the two leading blanks (21 for compact
    // module lines, 28 otherwise).
    ModuleWalk(CompareTable& table, int width, Progress& progress);

    void run(const QStringList& baseline, const QStringList& compare);

  private:
    QString rowText(const QString& entry) const;
    static QString name(const QString& entry);

    CompareTable& m_table;
    int m_width;
    Progress& m_progress;
};
