#pragma once

#include "report/linemarker.h"
#include "report/linerecogniser.h"

#include <QString>
#include <QStringList>

struct ServerModel;

// The copy of one server or DOS file that the report embeds between a top and an end marker.
// Four of the files start a fixed number of lines below their marker and share one "first line
// to take"; CONFIG.SYS also warns about DOS devices loaded before any [menu] line.
class EmbeddedFileRecogniser : public LineRecogniser {
  public:
    enum class Kind { Plain, AbendLog, ConfigSys };
    struct Definition {
        QString fileName;  // as written in the markers, e.g. "C:\\CONFIG.SYS"
        int firstLineOffset;
        bool sharesFirstLine;
        Kind kind;
        QStringList ServerModel::*target;
    };

    // sharedFirstLine is the one value that the offset files share during a parse.
    EmbeddedFileRecogniser(ParseContext& context, const Definition& definition,
                           int& sharedFirstLine);
    void onLine(int i) override;

    // The six embedded files in the order the parser runs them.
    static const QList<Definition>& definitions();

  private:
    void take(const QString& line);
    void configSysRule(const QString& line);

    Definition m_def;
    LineMarker m_topMarker;
    LineMarker m_endMarker;
    int& m_firstLine;
    int m_ownFirstLine = 0;
    bool m_on = false;
    bool m_menuSeen = false;
    bool m_deviceWarned = false;
};
