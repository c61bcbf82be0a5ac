#include "gui/pages/voldriversheet.h"

#include "engine/engine.h"
#include "gui/widgets/colouredlistmodel.h"
#include "gui/widgets/listviews.h"
#include "gui/widgets/pagewidgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <cmath>

VolDriverSheet::VolDriverSheet(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Vols/Ints"));
    QFont bold = font();
    bold.setBold(true);
    m_volTitle = pagewidgets::label(this, QStringLiteral("Volume Info"));
    m_volTitle->setFont(bold);
    m_volCount = pagewidgets::label(this, {}, QStringLiteral("Number of mounted volumes"));
    m_volHeaderModel = new QStandardItemModel(0, 5, this);
    m_volumeHeader = header(m_volHeaderModel);
    m_volumeHeader->setAccessibleName(QStringLiteral("Volume columns"));
    m_volModel = new ColouredListModel(this);
    m_volList = listviews::create(this, m_volModel, listviews::Font::FixedPitch, "Volumes");

    m_intTitle = pagewidgets::label(this, QStringLiteral("Interrupts"));
    m_intTitle->setFont(bold);
    m_priority = pagewidgets::label(
        this, QStringLiteral("Priority of ints: 0, 1, 2/9, 10, 11, 12, 13, 14, 15, 3, 4, 5, 6, 7"));
    m_intUsage = new QPushButton(QStringLiteral("Standard Interrupt Usage"), this);
    m_intUsage->setAccessibleName(m_intUsage->text());
    connect(m_intUsage, &QPushButton::clicked, this, &VolDriverSheet::interruptUsageClicked);
    auto* intHeaderModel = new QStandardItemModel(0, 4, this);
    intHeaderModel->setHorizontalHeaderLabels(
        {QStringLiteral("Interrupt"), QStringLiteral("Device Type"), QStringLiteral("Driver"),
         QStringLiteral("Mirror Status")});
    m_intHeader = header(intHeaderModel);
    m_intHeader->setAccessibleName(QStringLiteral("Interrupt columns"));
    m_intModel = new ColouredListModel(this);
    m_intList = listviews::create(this, m_intModel, listviews::Font::FixedPitch, "Interrupts");
    followSideways(m_volumeHeader, m_volList);
    followSideways(m_intHeader, m_intList);
    connect(m_volList, &QListView::pressed, m_intList, &QListView::clearSelection);
    connect(m_intList, &QListView::pressed, m_volList, &QListView::clearSelection);
}

QHeaderView* VolDriverSheet::header(QStandardItemModel* model) {
    auto* view = new QHeaderView(Qt::Horizontal, this);
    view->setModel(model);
    view->setSectionsClickable(false);
    view->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->setStretchLastSection(true);
    return view;
}

// A list scrolled sideways takes its heading along.
void VolDriverSheet::followSideways(QHeaderView* header, QListView* list) {
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, header,
            &QHeaderView::setOffset);
}

// Each heading stands over its column whatever the font: a section is as wide as its column's
// characters in the list's fixed-pitch font, and the first heading's text begins where the
// list's text begins (after the list's frame and an item's margin).
void VolDriverSheet::alignHeader(QHeaderView* header, const QListView* list,
                                 const QList<int>& columns) {
    // Glyph advances are fractional: the edges are placed from the characters before them.
    const QFontMetricsF metrics(list->font());
    const int itemMargin =
        list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int headingMargin =
        header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int lead = list->frameWidth() + itemMargin - headingMargin;
    int characters = 0;
    int edge = 0;
    for (int i = 0; i < columns.size(); ++i) {
        characters += columns.at(i);
        const int next =
            lead + int(std::lround(metrics.horizontalAdvance(QString(characters, u'0'))));
        header->resizeSection(i, next - edge);
        edge = next;
    }
}

void VolDriverSheet::render(Engine& engine) {
    const MainViews& v = engine.views();
    QStringList headings;
    for (const QString& heading : v.VolumeHeader) {
        headings << heading.trimmed();  // the section's width does the padding
    }
    m_volHeaderModel->setHorizontalHeaderLabels(headings);
    alignHeader(m_volumeHeader, m_volList, {v.VolumeColumns.begin(), v.VolumeColumns.end()});
    alignHeader(m_intHeader, m_intList,
                {MainViews::InterruptColumns.begin(), MainViews::InterruptColumns.end()});
    m_volCount->setText(v.VolCountLabel);
    m_volModel->setLines(v.VolListBox);
    m_intModel->setLines(v.IntListBox);
}

void VolDriverSheet::applyLayout(const QSize& page) {
    const int w = page.width() - 16;
    const int half = (page.height() - 16) / 2;
    m_volTitle->setGeometry(8, 8, 90, 20);
    m_volCount->setGeometry(100, 8, w - 92, 20);
    m_volumeHeader->setGeometry(8, 30, w, 22);
    m_volList->setGeometry(8, 52, w, qMax(half - 52, 30));
    const int top = 8 + half;
    m_intTitle->setGeometry(8, top + 4, 90, 20);
    m_priority->setGeometry(100, top + 4, qMax(w - 300, 100), 20);
    m_intUsage->setGeometry(8 + w - 190, top, 190, 26);
    m_intHeader->setGeometry(8, top + 30, w, 22);
    m_intList->setGeometry(8, top + 52, w, qMax(page.height() - top - 52 - 8, 30));
}
