#include "base/shortcutfile.h"
#include "favorites/addfavoritedialog.h"
#include "favorites/favoritesfoldertree.h"
#include "favorites/favoritesstore.h"
#include "favorites/organizefavoritesdialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

// Runs act on the next modal window other than besides, once it is up.
template <typename Act> void onNextModal(Act act, QWidget* besides = nullptr) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == besides)
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start(10);
}

void answer(QWidget* box, QMessageBox::StandardButton button) {
    qobject_cast<QMessageBox*>(box)->button(button)->click();
}

} // namespace

TEST(AddFavorite, WritesTheShortcutInTheChosenFolder) {
    const QString root = favoritesFolder();
    const QString links = createFavoritesFolder(root, QStringLiteral("Links"));

    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<AddFavoriteDialog*>(modal);
        EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("News _ today"));
        dialog->folderTree()->selectPath(links);
        dialog->accept();
    });
    const QString path =
        addFavorite(QStringLiteral("News / today"), QStringLiteral("http://n/"), nullptr);
    EXPECT_EQ(path, links + QStringLiteral("/News _ today.url"));
    EXPECT_EQ(readShortcutUrl(path), QStringLiteral("http://n/"));

    onNextModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(addFavorite(QStringLiteral("Other"), QStringLiteral("http://o/"), nullptr),
              QString());
    EXPECT_EQ(QDir(root).entryList(QDir::Files), QStringList());
}

TEST(AddFavorite, AsksBeforeReplacingAShortcut) {
    const QString root = favoritesFolder();
    const QString existing = root + QStringLiteral("/Page.URL");
    ASSERT_TRUE(writeShortcutUrl(existing, QStringLiteral("http://old/")));
    AddFavoriteDialog dialog(QStringLiteral("Page"), root);
    dialog.show();
    dialog.folderTree()->selectPath(root);
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        onNextModal([=](QWidget* box) { answer(box, button); }, &dialog);
        dialog.accept(); // OK
        EXPECT_EQ(dialog.isVisible(), button == QMessageBox::No);
    }
    EXPECT_EQ(dialog.shortcutPath(), existing);
}

TEST(OrganizeFavorites, DeletesOnlyAfterConfirmation) {
    const QString root = favoritesFolder();
    QDir(root).mkpath(QStringLiteral("Group"));
    ASSERT_TRUE(writeShortcutUrl(root + QStringLiteral("/Group/Gone.url"), QStringLiteral("x")));
    OrganizeFavoritesDialog dialog(root);
    dialog.show();
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        ASSERT_TRUE(dialog.tree()->selectPath(root + QStringLiteral("/Group")));
        onNextModal([=](QWidget* box) { answer(box, button); }, &dialog);
        dialog.deleteCurrent();
        EXPECT_EQ(QFile::exists(root + QStringLiteral("/Group/Gone.url")),
                  button == QMessageBox::No);
    }
}
