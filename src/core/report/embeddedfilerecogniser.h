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
    // Inside the file: between its top marker and the line before its end marker.
    bool isOn() const { return m_on; }

    // The six embedded files in the order the parser runs them.
    static const QList<Definition>& definitions();

  private:
    void take(const QString& line);
    void configSysRule(const QString& line);

    Definition m_def;
    LineMarker m_topMarker;
    LineMarker m_endMarker;
    // The first line to take: the shared one or the file's own.
    int& firstLine() { return m_def.sharesFirstLine ? *m_sharedFirstLine : m_ownFirstLine; }

    int* m_sharedFirstLine;
    int m_ownFirstLine = 0;
    bool m_on = false;
    bool m_menuSeen = false;
    bool m_deviceWarned = false;
};
