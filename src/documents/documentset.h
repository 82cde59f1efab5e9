#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>

namespace kelvane {

// The one ordered list of open documents. The document at row i has DocIndex i + 1; its tab in
// the tab bar and its row in the Navigator are views of the same entry, so the three orders
// cannot diverge. Column 0 is the Navigator's "Site" text, column 1 its "Status".
class DocumentSet : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { SiteColumn = 0, StatusColumn = 1, ColumnCount = 2 };
    enum Role {
        DocumentRole = Qt::UserRole + 1, // QObject*: the document window (the row's Tag)
        DocIndexRole,                    // int
        TabCaptionRole,                  // QString
        TabToolTipRole,                  // QString
        TabIconRole,                     // int, 0..11
        TabShrunkRole,                   // bool: the tab's Tag is "1"
        ActiveRole,                      // bool: the row is drawn bold
        AddressRole,                     // QString: the page's address
        SleepingRole,                    // bool: the page sleeps; its row and tab are dimmed
    };

    explicit DocumentSet(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

    // Appends a row and a tab for document; returns its DocIndex.
    int append(QObject* document, const QString& rowText, const QString& tabCaption);
    // Removes document docIndex: the later documents are renumbered first, then the row and
    // the tab go.
    void remove(int docIndex);

    int count() const { return m_entries.size(); }
    QObject* document(int docIndex) const;
    // The DocIndex the document holds; 0 when it is not in the set.
    int docIndexOf(const QObject* document) const;
    QList<QObject*> documents() const;

    QString rowText(int docIndex) const;
    QString status(int docIndex) const;
    bool isActive(int docIndex) const;
    QString tabCaption(int docIndex) const;
    QString tabToolTip(int docIndex) const;
    int tabIcon(int docIndex) const;
    bool isShrunk(int docIndex) const;
    QString address(int docIndex) const;
    bool isSleeping(int docIndex) const;
    int sleepingCount() const;

    void setRowText(int docIndex, const QString& text);
    void setStatus(int docIndex, const QString& text);
    void setActive(int docIndex, bool active);
    void setTabCaption(int docIndex, const QString& caption);
    void setTabToolTip(int docIndex, const QString& text);
    void setTabIcon(int docIndex, int icon);
    void setShrunk(int docIndex, bool shrunk);
    void setAddress(int docIndex, const QString& address);
    void setSleeping(int docIndex, bool sleeping);
    // Sets tab docIndex's caption and icon parity from a title by the tab-caption rule.
    void setTabTitle(int docIndex, const QString& title);

Q_SIGNALS:
    // A document's number changed because an earlier one is closing.
    void renumbered(QObject* document, int docIndex);

private:
    struct Entry {
        QPointer<QObject> document;
        int docIndex = 0;
        QString rowText;
        QString status;
        bool active = false;
        QString tabCaption;
        QString tabToolTip;
        int tabIcon = 0;
        bool shrunk = false;
        QString address;
        bool sleeping = false;
    };

    template <typename T> T field(int docIndex, T Entry::*member) const;
    template <typename T>
    void setField(int docIndex, T Entry::*member, const T& value, int column,
                  const QList<int>& roles);
    Entry* entry(int docIndex);
    const Entry* entry(int docIndex) const;
    void changed(int docIndex, int column, const QList<int>& roles);

    QList<Entry> m_entries;
    QString m_headers[ColumnCount];
};

} // namespace kelvane
