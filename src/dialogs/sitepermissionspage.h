#pragma once

#include "base/rememberedanswers.h"

#include <QWidget>

class QPushButton;
class QTreeWidget;

namespace kelvane {

// The Options dialog's list of remembered answers to site questions: site, what it asked and
// the answer, one row each, with a Remove button for the selected rows. It edits a copy; the
// dialog takes answers() on OK.
class SitePermissionsPage : public QWidget {
    Q_OBJECT
public:
    explicit SitePermissionsPage(const RememberedAnswers& answers, QWidget* parent = nullptr);

    const RememberedAnswers& answers() const { return m_answers; }
    QTreeWidget* list() const { return m_list; }
    QPushButton* removeButton() const { return m_remove; }
    void removeSelected();

private:
    void fill();

    RememberedAnswers m_answers;
    QTreeWidget* m_list;
    QPushButton* m_remove;
};

} // namespace kelvane
