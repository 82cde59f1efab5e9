#pragma once

#include "bars/toolbarlayout.h"

#include <QDialog>
#include <QIcon>

class QListWidget;
class QPushButton;

namespace kelvane {

// "Customize Toolbar": one list of the toolbar's buttons in the order shown, each with a check
// box that shows or hides it. Buttons move with Move Up / Move Down or by dragging; Reset puts
// back the design. The toolbar applies entries() when the dialog is accepted.
class ToolbarCustomizeDialog : public QDialog {
    Q_OBJECT
public:
    // How a button looks in the list.
    struct Item {
        QString key;
        QString caption;
        QIcon icon;
    };

    ToolbarCustomizeDialog(const QList<Item>& items, const QList<ToolbarLayout::Entry>& current,
                           const QList<ToolbarLayout::Entry>& design, QWidget* parent = nullptr);

    // The buttons as the list shows them now.
    QList<ToolbarLayout::Entry> entries() const;

    QListWidget* list() const { return m_list; }
    void moveUp();
    void moveDown();
    void reset();

private:
    void fill(const QList<ToolbarLayout::Entry>& entries);
    void moveCurrent(int step);
    void updateButtons();

    QList<Item> m_items;
    QList<ToolbarLayout::Entry> m_design;
    QListWidget* m_list;
    QPushButton* m_up;
    QPushButton* m_down;
};

} // namespace kelvane
