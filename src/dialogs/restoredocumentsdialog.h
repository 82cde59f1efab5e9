#pragma once

#include <QDialog>

class QListWidget;

namespace kelvane {

// Asked at a start instead of reopening the saved documents when those documents brought the
// browser down at its last starts: every saved address with a check box, all checked. Open
// (also Enter) opens the checked ones; Open None, Escape or the close box opens nothing.
class RestoreDocumentsDialog : public QDialog {
    Q_OBJECT
public:
    explicit RestoreDocumentsDialog(const QStringList& addresses, QWidget* parent = nullptr);

    // The checked addresses, in the saved order.
    QStringList chosen() const;
    QListWidget* list() const { return m_list; }

    // Asks and returns the addresses to open.
    static QStringList choose(const QStringList& addresses, QWidget* parent = nullptr);

private:
    QListWidget* m_list;
};

} // namespace kelvane
