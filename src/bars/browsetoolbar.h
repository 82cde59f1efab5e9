#pragma once

#include "bars/toolbarlayout.h"

#include <QSet>
#include <QToolBar>

class QToolButton;

namespace kelvane {

// The browse toolbar, the first band. Eleven buttons, each an action whose object
// name is its key; captions and tool tips hold string identifiers until ApplyCaptions:
//
//   1 New (drop-down)  2 Back (drop-down)  3 Forward (drop-down)  4 Refresh  5 Stop  6 Home
//   7 Home2  8 Separator  9 Mail  10 Search  11 News
//
// The user may hide and reorder the buttons (the separator too) in the customise dialog; the
// result is kept in the settings store under "Kelvane", "ViewSettings", "MainToolbar".
class BrowseToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit BrowseToolbar(QWidget* parent = nullptr);

    // The button of a key, or by its index in the design (1 to 11), whatever order the user
    // has put the buttons in; null when there is none.
    QAction* button(const QString& key) const;
    QAction* button(int index1Based) const;
    // The keys in the design's order.
    static QStringList keys();

    // Buttons 2 to 5 (Back, Forward, Refresh, Stop) follow whether a document is open.
    void setDocumentButtonsEnabled(bool enabled);

    // The buttons as shown now and as designed.
    QList<ToolbarLayout::Entry> currentLayout() const;
    static QList<ToolbarLayout::Entry> designLayout();
    // Shows the buttons in this order and visibility; an entry list that does not hold every
    // key once is refused (returns false) and nothing changes.
    bool applyLayout(const QList<ToolbarLayout::Entry>& entries);

    // Restores the stored layout. The caller processes pending events first, as the main
    // window does on each activation. The toolbar's own visibility is kept; a missing or
    // unreadable layout leaves the buttons as designed.
    void restoreLayout();
    void saveLayout() const;

    // The "Customize Toolbar" dialog. What the user accepts is stored at once, so the restore
    // of the next activation keeps it.
    void customize();
    // "Customize...", the toolbar's own entry for the popup shown on a right click over it.
    QAction* customizeAction() const { return m_customize; }

Q_SIGNALS:
    // A button was clicked (never the separator).
    void buttonClicked(const QString& key);
    // The arrow of New, Back or Forward was pressed; globalPos is the button's bottom left.
    void dropDownRequested(const QString& key, const QPoint& globalPos);
    // The right mouse button was released over the toolbar or one of its buttons.
    void contextMenuRequested(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setUpDropDowns();
    QToolButton* dropDownButton(QObject* object) const;

    QList<QAction*> m_design; // every button in the design's order
    // The buttons with an arrow for a drop-down menu (their widgets are made by the toolbar).
    QSet<QToolButton*> m_dropDownButtons;
    QAction* m_customize;
};

} // namespace kelvane
