#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace kelvane {

class QuickSearchDialog;

// Quick Search for the main window (F9, View > Quick Search): the dialog is made on first use
// and shown modally; a search or Esc only hides it, its close box ends it (saving its state),
// and the next opening makes it again from the stored state.
class QuickSearch : public QObject {
    Q_OBJECT
public:
    explicit QuickSearch(QWidget* mainWindow);

    // Shows the dialog modally over the main window, making it first when needed.
    void open();
    // True while the dialog exists (shown or hidden).
    bool isLoaded() const;
    // When the program ends with the dialog still loaded (hidden, or shown), its state is
    // saved as its close box would, and the dialog ends, so that nothing writes it again later
    // in the shutdown. Must run before the clean-on-exit reset of the stored query count.
    void saveAtExit();

    QuickSearchDialog* dialog() const;

Q_SIGNALS:
    // The result page of a search, to be opened in a new document.
    void openInNewDocument(const QString& address);

private:
    QWidget* m_mainWindow;
    QPointer<QuickSearchDialog> m_dialog;
};

} // namespace kelvane
