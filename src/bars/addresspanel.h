#pragma once

#include "bars/suggestionrules.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QDropEvent;
class QLabel;
class QToolButton;

namespace kelvane {

class BrowsingHistory;
class SuggestionList;

// The address band: the label "A&ddress", the address box whose list is the typed history
// (newest on top, kept from one run to the next), and the Go and Go-new buttons, placed by the
// main window's resize rule rather than a layout.
//
// What the panel asks of its owner, who alone knows whether a document is open:
//  - navigateRequested(text): open text in the active document. With no document open the
//    receiver opens a new document on it, which puts the address into the list itself;
//    otherwise it tells the active engine to navigate and then calls addTyped(text). On Enter the
//    panel adds the text itself once the signal has returned, so Enter adds in every case and the
//    list rule keeps it to one entry. A selection from the list and Go leave the list to the
//    receiver.
//  - openInNewRequested(text): Go-new; the receiver opens a new document on it. The panel does
//    not touch the list.
// A link or file dropped on the box replaces its text and opens as Enter would.
// The text is passed exactly as it stands in the box: no scheme added, nothing trimmed. With
// an empty box, Enter, Go and a selection do nothing.
//
// The editing flag is true while the user types in the box (or steps through the list with
// the arrow keys); confirming the text with Enter, leaving the box, opening the drop-down list
// and Go end it. A selection made while it is true only fills the box.
//
// While the user types, the completion list under the box suggests addresses from the typed
// history, the favorites and the browsing history; a suggestion picked from it opens as if typed
// and confirmed with Enter.
//
// The user is typing while the box has the focus and its text was changed since the last Enter,
// Go, pick from the list or page address: loads then leave the text alone. A box left without
// such a change asks for the page's address (pageAddressWanted).
class AddressPanel : public QWidget {
    Q_OBJECT
public:
    explicit AddressPanel(QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }
    QComboBox* addressBox() const { return m_box; }
    QToolButton* goButton() const { return m_go; }
    QToolButton* goNewButton() const { return m_goNew; }
    SuggestionList* suggestionList() const { return m_suggestionList; }

    // Where the suggestions come from besides the typed history; favorites is asked once each
    // time the box takes the focus.
    void setSuggestionSources(BrowsingHistory* history,
                              std::function<QList<FavoriteLink>()> favorites);

    // True while the user is typing: the box, its edit field or its drop-down list holds the
    // keyboard focus of the panel's window, and the text was changed since it was last
    // confirmed or set. It stays true while another application is in front, so a page that
    // finishes loading meanwhile does not overwrite what the user was typing.
    bool isAddressBeingEdited() const;
    bool isEditing() const { return m_editing; }

    // A document writes its address into the box; the list is not touched.
    void setPageAddress(const QString& url);
    // Puts url on top of the list unless it already is the top item (exact comparison), or
    // the list is not kept (a private document is active).
    void addTyped(const QString& url);
    void setKeepsTyped(bool keeps) { m_keepsTyped = keeps; }
    // The list, top first.
    QStringList items() const;

    // The typed history in the settings store ("HistoryCount", "HistorySite"1..n). Loading
    // puts the stored items on top of the list in their saved order.
    void loadHistory();
    void saveHistory() const;
    // Empties the list; the text in the box stays.
    void clearHistory();

    // Applies the resize rule for a main window whose outer width is windowWidthTwips.
    void applyResizeRule(double windowWidthTwips, double tabBarLeftTwips, int* tabBarWidthTwips);

    QSize sizeHint() const override;

Q_SIGNALS:
    void navigateRequested(const QString& text);
    void openInNewRequested(const QString& text);
    // The focus left the box with no change typed: it should show the page's address.
    void pageAddressWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeFixedParts();
    void returnPressed();
    void itemSelected();
    void pickFromList(int row);
    void updateButtons();
    bool hasFocus() const;
    // Runs a change of the list without letting the box replace its edit text.
    void changeList(const std::function<void()>& change);
    void selectMatchingItem();
    void suggest(const QString& text);
    void pickSuggestion(const QString& url);
    bool dragOverBox(QDropEvent* event);

    QLabel* m_label;
    QComboBox* m_box;
    QToolButton* m_go;
    QToolButton* m_goNew;
    SuggestionList* m_suggestionList = nullptr;
    BrowsingHistory* m_history = nullptr;
    std::function<QList<FavoriteLink>()> m_favorites;
    QList<FavoriteLink> m_favoriteLinks;
    bool m_editing = false;
    // Changed by the user since last confirmed or set.
    bool m_typed = false;
    bool m_pressInList = false;
    bool m_keepsTyped = true;
    QString m_textAtFinish;
};

} // namespace kelvane
