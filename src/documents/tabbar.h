#pragma once

#include <QTabBar>

namespace kelvane {

class DocumentSet;

// The tab bar (vbalDTabControl1): one tab per open document, a view of the document set. A
// click reports its button instead of selecting: selection follows the active document.
class TabBar : public QTabBar {
    Q_OBJECT
public:
    TabBar(DocumentSet& documents, QWidget* parent = nullptr);

    // "0" normally; "1" while an activation selects a tab, when clicks are ignored.
    QString tag() const { return property("Tag").toString(); }
    // Selects tab docIndex with the Tag guard set around it.
    void selectTab(int docIndex);

Q_SIGNALS:
    // tabIndex is 1-based, like DocIndex.
    void TabClick(int tabIndex, Qt::MouseButton button);
    void TabDblClick(int tabIndex);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void insertRows(int first, int last);
    void removeRows(int first, int last);
    void updateRows(int first, int last);

    DocumentSet& m_documents;
};

} // namespace kelvane
