#pragma once

#include "report/linerecogniser.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Module listings and the patch list: patch modules go to the patch entries, other modules
// into the sorted module list; a patch list with patch-kit information is copied as it is.
class ModuleListingRecogniser : public LineRecogniser {
  public:
    using LineRecogniser::LineRecogniser;
    void onLine(int i) override;

  private:
    [[gnu::always_inline]] inline void look(int i);
    void startPatchList(int i);
    // The version line of the module named on line i: two or three lines below it, or -1.
    int versionLine(int i) const;
    void moduleLine(int i, QStringView line);
    void moduleLine(int i, QByteArrayView line);

    // The entry being made, kept between lines so its buffer is made once.
    QString m_entry;
    QByteArray m_entryBytes;
    bool m_inListing = false;
    bool m_patchKitMode = false;
};
