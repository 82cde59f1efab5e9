#include "dialogs/appearancepage.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>

namespace kelvane {

AppearancePage::AppearancePage(PageColours chosen, QWidget* parent)
    : QWidget(parent)
    , m_colours(new QComboBox(this))
    , m_restartNote(new QLabel(tr("Kelvane applies this at its next start."), this)) {
    // In the order of the PageColours values.
    m_colours->addItems({tr("follow the desktop"), tr("light"), tr("dark")});
    m_colours->setCurrentIndex(int(chosen));
    auto* label = new QLabel(tr("Page &colours:"), this);
    label->setBuddy(m_colours);
    m_restartNote->setWordWrap(true);
    auto* layout = new QFormLayout(this);
    layout->addRow(label, m_colours);
    layout->addRow(m_restartNote);
    connect(m_colours, &QComboBox::currentIndexChanged, this, &AppearancePage::showRestartNote);
    showRestartNote();
}

void AppearancePage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The desktop's scheme changed while the browser runs.
    if (event->type() == QEvent::PaletteChange)
        showRestartNote();
}

void AppearancePage::showRestartNote() {
    m_restartNote->setVisible(
        pageColoursWaitForStart(chosen(), isDarkPalette(QGuiApplication::palette())));
}

PageColours AppearancePage::chosen() const {
    return PageColours(m_colours->currentIndex());
}

} // namespace kelvane
