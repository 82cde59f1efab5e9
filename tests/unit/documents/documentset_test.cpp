#include "documents/documentset.h"

#include <QFont>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kelvane;

TEST(DocumentSet, ClosingRenumbersLaterDocumentsBeforeTheRowGoes) {
    DocumentSet set;
    QObject a, b, c, d;
    for (QObject* doc : {&a, &b, &c, &d})
        set.append(doc, QStringLiteral("row"), QStringLiteral("tab"));
    EXPECT_EQ(set.docIndexOf(&d), 4);
    QList<int> whileRemoving;
    QObject::connect(&set, &QAbstractItemModel::rowsAboutToBeRemoved, &set, [&] {
        whileRemoving = {set.docIndexOf(&c), set.docIndexOf(&d)};
    });
    QSignalSpy renumbered(&set, &DocumentSet::renumbered);
    set.remove(2);
    EXPECT_EQ(whileRemoving, (QList<int>{2, 3}));
    EXPECT_EQ(renumbered.count(), 2);
    EXPECT_EQ(set.documents(), (QList<QObject*>{&a, &c, &d}));
    EXPECT_EQ(set.docIndexOf(&b), 0);

    QSignalSpy changed(&set, &QAbstractItemModel::dataChanged);
    set.setStatus(9, QStringLiteral("x"));
    set.setTabIcon(0, 3);
    set.remove(9);
    EXPECT_EQ(changed.count() + renumbered.count(), 2) << "missing numbers change nothing";
    EXPECT_EQ(set.count(), 3);

    set.setActive(2, true);
    EXPECT_TRUE(set.index(1, DocumentSet::StatusColumn).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(set.index(0, DocumentSet::SiteColumn).data(Qt::FontRole).isValid());
}
