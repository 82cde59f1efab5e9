#pragma once

#include <QTabBar>

namespace kelvane {

class DocumentSet;

// The tab bar: one tab per open document, a view of the document set. A
// click reports its button instead of selecting: selection follows the active document.
class TabBar : public QTabBar {
    Q_OBJECT
public:
    TabBar(DocumentSet& documents, QWidget* parent = nullptr);

    // True while an activation selects a tab; clicks are ignored meanwhile.
    bool isSelecting() const { return m_selecting; }
    // Selects tab docIndex without taking it for a click.
    void selectTab(int docIndex);

Q_SIGNALS:
    // tabIndex is 1-based, like DocIndex.
    void tabClicked(int tabIndex, Qt::MouseButton button);
    void tabDoubleClicked(int tabIndex);
    // A link or file dropped on the bar, to open in a new document.
    void addressDropped(const QString& address);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void insertRows(int first, int last);
    void removeRows(int first, int last);
    void updateRows(int first, int last);

    DocumentSet& m_documents;
    bool m_selecting = false;
    // Colours left to set once the bar shows.
    bool m_coloursPending = false;
};

} // namespace kelvane
