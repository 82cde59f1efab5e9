#pragma once

#include "bars/suggestionrules.h"

#include <QFrame>

class QListWidget;

namespace kelvane {

// The completion list under the address box while the user types: each suggestion's title and
// address, with a picture of where it came from. It never takes the focus from the box and never
// changes its text: Up and Down choose a line (going past either end returns to the text as
// typed), Enter or a click opens the chosen line, Esc closes the list. With no line chosen, Enter
// is the box's own.
class SuggestionList : public QFrame {
    Q_OBJECT
public:
    // Under anchor, the address box: its keys are the list's while the list shows.
    explicit SuggestionList(QWidget* anchor);

    // Shows the suggestions under the box; none hides the list.
    void setSuggestions(const QList<Suggestion>& suggestions);
    QList<Suggestion> suggestions() const { return m_suggestions; }
    // The chosen line; -1: none.
    int currentRow() const;
    QListWidget* list() const { return m_list; }

Q_SIGNALS:
    void picked(const QString& url);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int rows);
    void place();

    QWidget* m_anchor;
    QListWidget* m_list;
    QList<Suggestion> m_suggestions;
};

} // namespace kelvane
