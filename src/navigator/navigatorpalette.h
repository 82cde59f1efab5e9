#pragma once

#include "navigator/navigatorfilter.h"

#include <QObject>
#include <QPointer>

class QLineEdit;
class QTreeView;
class QWidget;

namespace kelvane {

// The Navigator as a keyboard palette: a filter box over its list that narrows the list to the
// documents whose title or address holds every word typed, with the words highlighted in the
// titles. Up and Down move through what is left, Enter chooses, Esc gives the whole list and
// the focus back. Typing into the list opens the box with what was typed.
class NavigatorPalette : public QObject {
    Q_OBJECT
public:
    // The box is made a child of boxParent, hidden; the owner places it.
    NavigatorPalette(QTreeView* list, QWidget* boxParent);

    QLineEdit* box() const { return m_box; }
    bool isOpen() const;
    const NavigatorFilter& filter() const { return m_filter; }
    // What the list draws highlighted in the title of row (0-based); none while unfiltered.
    QList<TextRange> highlightsOf(int row) const;

    // Shows the box with text and gives it the focus; the widget that had the focus gets it
    // back on Esc.
    void open(const QString& text = {});
    // Enter: the box closes and the current row is chosen.
    void choose();
    // Esc: the box closes, every row shows again and the focus goes back.
    void cancel();

Q_SIGNALS:
    // The box showed or hid: the list moves to make room.
    void openChanged(bool open);
    // A row was chosen (0-based).
    void chosen(int row);
    // Cancelled: the focus went back to where it was before the box opened.
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void close();
    void applyFilter(const QString& text);
    void filterRows(int first, int last);
    // Keeps a shown row current, so that Enter always has one to choose.
    void ensureCurrentShown();

    QTreeView* m_list;
    QLineEdit* m_box;
    NavigatorFilter m_filter;
    QPointer<QWidget> m_returnFocus;
};

} // namespace kelvane
