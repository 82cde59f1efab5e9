#include "quicksearch/quicksearch.h"

#include "quicksearch/quicksearchdialog.h"

#include <QWidget>

namespace kelvane {

QuickSearch::QuickSearch(QWidget* mainWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow) {}

void QuickSearch::open() {
    if (!m_dialog) {
        m_dialog = new QuickSearchDialog(m_mainWindow);
        connect(m_dialog, &QuickSearchDialog::searchRequested, this,
                &QuickSearch::openInNewDocument);
    }
    m_dialog->show();
    m_dialog->activateWindow();
}

bool QuickSearch::isLoaded() const {
    return !m_dialog.isNull();
}

QuickSearchDialog* QuickSearch::dialog() const {
    return m_dialog;
}

void QuickSearch::saveAtExit() {
    if (!m_dialog)
        return;
    m_dialog->saveState();
    delete m_dialog;
}

} // namespace kelvane
