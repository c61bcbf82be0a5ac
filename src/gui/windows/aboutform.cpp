#include "gui/windows/aboutform.h"

#include "gui/windows/aboutartwork.h"
#include "textview/windowtexts.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QFrame* bevelledPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    return panel;
}

}  // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutForm2"));
    setWindowTitle(windowtexts::aboutCaption());
    setModal(true);

    QFrame* picture = bevelledPanel(this);
    auto* pictureLayout = new QVBoxLayout(picture);
    pictureLayout->setContentsMargins(6, 6, 6, 6);
    pictureLayout->addWidget(new AboutArtwork(picture));

    QFrame* textPanel = bevelledPanel(this);
    auto* textLayout = new QVBoxLayout(textPanel);
    QStringList lines = windowtexts::aboutLines();
    for (int i = 0; i < lines.size(); ++i) {
        auto* label = new QLabel(lines.at(i), textPanel);
        label->setAlignment(Qt::AlignCenter);
        if (i == 0) {
            QFont title = label->font();
            title.setPointSizeF(title.pointSizeF() * 1.6);
            title.setBold(true);
            label->setFont(title);
        }
        textLayout->addWidget(label);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(textPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutForm::mousePressEvent(QMouseEvent*) {
    accept();
}

void AboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    accept();
}
