#include "gui/pages/suggestionsheet.h"

#include "engine/engine.h"
#include "gui/widgets/colourdelegate.h"
#include "gui/widgets/colouredlistmodel.h"
#include "gui/widgets/listviews.h"
#include "gui/widgets/pagewidgets.h"
#include "reports/summarydocument.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QSignalBlocker>

SuggestionSheet::SuggestionSheet(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Suggestions"));
    m_group = pagewidgets::group(this, QStringLiteral("Suggestions"));
    m_model = new ColouredListModel(this);
    m_list = listviews::create(m_group, m_model, listviews::Font::Proportional, "Suggestions");
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_note = pagewidgets::label(this, summarydocument::Note);
    m_include = new QCheckBox(
        QStringLiteral("Include Differences Found When Compared Against the Baseline Server (if "
                       "available)"),
        this);
    m_include->setAccessibleName(m_include->text());
    connect(m_include, &QCheckBox::toggled, this, &SuggestionSheet::includeDifferencesClicked);
}

void SuggestionSheet::render(Engine& engine) {
    m_group->setTitle(engine.views().SuggestionGroupBox);
    m_group->setAccessibleName(engine.views().SuggestionGroupBox);
    m_model->setLines(engine.model().Suggestions);
    {
        const QSignalBlocker rendering(m_include);  // the engine's state, not the user's change
        m_include->setChecked(engine.loader().includeCompareDifferences());
    }
    applyScrollWidth();
}

// A narrow list that is not empty scrolls sideways over 800 pixels.
void SuggestionSheet::applyScrollWidth() {
    auto* delegate = static_cast<ColourDelegate*>(m_list->itemDelegate());
    const int wanted = m_list->width() < 640 && m_model->rowCount() > 0 ? 800 : 0;
    if (delegate->minimumWidth() != wanted) {
        delegate->setMinimumWidth(wanted);
        m_list->doItemsLayout();
    }
}

void SuggestionSheet::applyLayout(const QSize& page) {
    const int gw = qMax(page.width() - 40, 100);
    const int gh = qMax(page.height() - 100, 80);
    m_group->setGeometry(20, 8, gw, gh);
    m_list->setGeometry(15, 28, gw - 30, gh - 65);
    m_note->setGeometry(20, 8 + gh + 8, gw, 20);
    m_include->setGeometry(20, 8 + gh + 32, gw, 24);
    applyScrollWidth();
}
