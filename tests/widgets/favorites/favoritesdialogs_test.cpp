#include "base/shortcutfile.h"
#include "favorites/addfavoritedialog.h"
#include "favorites/favoritesfoldertree.h"
#include "favorites/favoritesstore.h"
#include "favorites/organizefavoritesdialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace kelvane;

namespace {

// Runs act on the next modal window other than besides, once it is up.
void onNextModal(std::function<void(QWidget*)> act, QWidget* besides = nullptr) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == besides || !modal->isVisible())
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

void pressOk(QWidget* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

TEST(AddFavorite, WritesTheShortcutInTheChosenFolder) {
    const QString root = favoritesFolder();
    QDir(root).mkdir(QStringLiteral("Links"));
    const QString links = root + QStringLiteral("/Links");

    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<AddFavoriteDialog*>(modal);
        EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("News _ today"));
        dialog->folderTree()->selectPath(links);
        pressOk(dialog);
    });
    const QString path =
        addFavorite(QStringLiteral("News / today"), QStringLiteral("http://n/"), nullptr);
    EXPECT_EQ(path, links + QStringLiteral("/News _ today.url"));
    EXPECT_EQ(contents(path), "[InternetShortcut]\r\nURL=http://n/\r\n");

    onNextModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(addFavorite(QStringLiteral("Other"), QStringLiteral("http://o/"), nullptr),
              QString());
    EXPECT_EQ(QDir(root).entryList(QDir::Files), QStringList());
}

TEST(AddFavorite, AsksBeforeReplacingAShortcut) {
    const QString root = favoritesFolder();
    const QString existing = root + QStringLiteral("/Page.URL");
    const QByteArray before = "[InternetShortcut]\r\nURL=http://old/\r\nIconIndex=1\r\n";
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(before);
    file.close();

    bool stayedOpen = false;
    onNextModal([&](QWidget* dialog) {
        dialog->findChild<FavoritesFolderTree*>()->selectPath(root);
        onNextModal(
            [&, dialog](QWidget* box) {
                answer(box, QMessageBox::No);
                QTimer::singleShot(0, [&, dialog] {
                    stayedOpen = dialog->isVisible();
                    EXPECT_EQ(contents(existing), before);
                    onNextModal([](QWidget* box) { answer(box, QMessageBox::Yes); }, dialog);
                    pressOk(dialog);
                });
            },
            dialog);
        pressOk(dialog);
    });
    EXPECT_EQ(addFavorite(QStringLiteral("Page"), QStringLiteral("http://new/"), nullptr),
              existing);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(contents(existing), "[InternetShortcut]\r\nURL=http://new/\r\nIconIndex=1\r\n");
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
    EXPECT_EQ(dialog.tree()->currentPath(), root);
}
