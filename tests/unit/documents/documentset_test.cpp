#include "documents/documentset.h"

#include <QFont>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

struct Docs {
    DocumentSet set;
    QObject a, b, c, d;
    Docs() {
        set.append(&a, QStringLiteral("a"), QStringLiteral("a"));
        set.append(&b, QStringLiteral("b"), QStringLiteral("b"));
        set.append(&c, QStringLiteral("c"), QStringLiteral("c"));
        set.append(&d, QStringLiteral("d"), QStringLiteral("d"));
    }
};

} // namespace

TEST(DocumentSet, AppendNumbersFromOne) {
    Docs docs;
    EXPECT_EQ(docs.set.count(), 4);
    EXPECT_EQ(docs.set.docIndexOf(&docs.a), 1);
    EXPECT_EQ(docs.set.docIndexOf(&docs.d), 4);
    EXPECT_EQ(docs.set.document(2), &docs.b);
    EXPECT_EQ(docs.set.document(5), nullptr);
    EXPECT_EQ(docs.set.tabIcon(1), 0) << "a new tab starts at icon 0";
    EXPECT_FALSE(docs.set.isShrunk(1)) << "a new tab is normal";
}

TEST(DocumentSet, ClosingRenumbersLaterDocumentsBeforeTheRowGoes) {
    Docs docs;
    QList<int> seenWhileRemoving;
    QObject::connect(
        &docs.set, &QAbstractItemModel::rowsAboutToBeRemoved, &docs.set,
        [&](const QModelIndex&, int first, int) {
            EXPECT_EQ(first, 1);
            seenWhileRemoving = {docs.set.docIndexOf(&docs.c), docs.set.docIndexOf(&docs.d)};
        });
    QSignalSpy renumbered(&docs.set, &DocumentSet::renumbered);
    docs.set.remove(2);
    EXPECT_EQ(seenWhileRemoving, (QList<int>{2, 3}));
    EXPECT_EQ(renumbered.count(), 2);
    EXPECT_EQ(docs.set.documents(), (QList<QObject*>{&docs.a, &docs.c, &docs.d}));
    EXPECT_EQ(docs.set.docIndexOf(&docs.b), 0);
    EXPECT_EQ(docs.set.rowText(2), QStringLiteral("c"));
}

TEST(DocumentSet, MissingNumbersChangeNothing) {
    Docs docs;
    QSignalSpy changed(&docs.set, &QAbstractItemModel::dataChanged);
    docs.set.setStatus(9, QStringLiteral("x"));
    docs.set.setTabIcon(0, 3);
    docs.set.remove(9);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(docs.set.count(), 4);
}

TEST(DocumentSet, NavigatorColumnsAndBoldActiveRow) {
    Docs docs;
    docs.set.setStatus(3, QStringLiteral("45%"));
    docs.set.setActive(3, true);
    const QModelIndex site = docs.set.index(2, DocumentSet::SiteColumn);
    const QModelIndex status = docs.set.index(2, DocumentSet::StatusColumn);
    EXPECT_EQ(site.data().toString(), QStringLiteral("c"));
    EXPECT_EQ(status.data().toString(), QStringLiteral("45%"));
    EXPECT_TRUE(site.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(status.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(docs.set.index(0, 0).data(Qt::FontRole).isValid());
    EXPECT_EQ(docs.set.headerData(1, Qt::Horizontal, Qt::UserRole).toString(),
              QStringLiteral("2504"));
}
