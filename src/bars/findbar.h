#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace kelvane {

class DocumentArea;
class Engine;

// The in-page find bar below the documents: a text box, Previous and Next, the match count
// ("3 of 12", "No matches") and a close button. Typing searches the active page as it goes;
// Enter finds the next match, Shift+Enter the previous one, Esc closes the bar and clears the
// highlighting. When another document becomes active, an open bar searches it instead.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(DocumentArea& documents, QWidget* parent = nullptr);

    // Shows the bar with the focus in the text box, its text selected; only while a document
    // is open.
    void openBar();
    // Hides the bar, clears the page's highlighting and gives the focus back to the page.
    void closeBar();
    void findNext();
    void findPrevious();

    QLineEdit* textBox() const { return m_text; }
    QString countText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(bool backward);
    // Returns true when the bar turned to another engine (or to none).
    bool followActiveDocument();
    void activeDocumentChanged();
    void showResult(int activeMatch, int matchCount);

    DocumentArea& m_documents;
    QLineEdit* m_text;
    QToolButton* m_previous;
    QToolButton* m_next;
    QLabel* m_count;
    QToolButton* m_close;
    // The engine the bar searches and listens to.
    QPointer<Engine> m_browser;
};

} // namespace kelvane
