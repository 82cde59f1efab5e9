#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace kelvane {

// The Quick Search dialog: a query box that keeps every earlier query (newest on top), a method
// box ("Web", "Groups") and the search button. A search or Esc only hides the dialog, so its
// contents are there at the next opening; its close box saves its state and ends it.
class QuickSearchDialog : public QDialog {
    Q_OBJECT
public:
    // Reads the position, the method and the stored queries.
    explicit QuickSearchDialog(QWidget* mainWindow);

    // Puts the query as typed on top of the list, hides the dialog, gives the main window the
    // focus back and asks for the result page. An empty query searches too.
    void search();
    // Writes the position, the method and every query of the list.
    void saveState() const;

    QComboBox* queryBox() const { return m_query; }
    QComboBox* methodBox() const { return m_method; }
    QPushButton* searchButton() const { return m_search; }

Q_SIGNALS:
    void searchRequested(const QString& address);

public Q_SLOTS:
    // Esc: hidden, not ended.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The close box: the state is saved and the dialog ends.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void loadState();
    void hideAndReturnFocus();

    QComboBox* m_query;
    QComboBox* m_method;
    QPushButton* m_search;
};

} // namespace kelvane
