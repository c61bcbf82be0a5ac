#pragma once

#include "analysis/colourtable.h"
#include "text/linearena.h"

#include <QAbstractListModel>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// A read-only list of the engine's rows, each with the colours the engine gave it (none for
// the view's normal colours). Views show it through ColourDelegate; a list of any length is
// one model, never a widget per row. A long list is taken in as the engine's lines, shared
// rather than copied, with the engine's rule that colours a line asked when a row is shown.
class ColouredListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    struct Row {
        QString text;
        std::optional<ColourPair> colours;
    };

    using QAbstractListModel::QAbstractListModel;

    using ColourOf = std::function<std::optional<ColourPair>(const QString& line)>;
    // The text a row shows of its line, where that is not the whole line.
    using TextOf = std::function<QString(const QString& line)>;

    void setRows(QList<Row> rows);
    void setLines(const QStringList& lines, ColourOf colourOf = nullptr, TextOf textOf = nullptr);
    // The same for lines the engine keeps one byte a character; a row's string is made when
    // the row is shown.
    void setLines(std::shared_ptr<const LineArena> lines, ColourOf colourOf = nullptr,
                  TextOf textOf = nullptr);
    void clear() { setRows({}); }
    Row row(int i) const;
    // The text of row i.
    QString text(int i) const;
    QList<Row> rows() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    // Line i of the lines taken in, as the engine keeps it.
    QString line(int i) const;

    QList<Row> m_rows;
    // Or the lines with their colour rule.
    QStringList m_lines;
    std::shared_ptr<const LineArena> m_compactLines;
    ColourOf m_colourOf;
    TextOf m_textOf;
};
