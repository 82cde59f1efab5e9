#include "favorites/organizefavoritesdialog.h"

#include "base/stringtable.h"
#include "favorites/favoritesfoldertree.h"
#include "ui/captions.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kProductNameId = 100;
constexpr int kOkId = 2014;
constexpr int kCancelId = 2015;
constexpr int kTitleId = 2020;
constexpr int kCreateFolderId = 2021;
constexpr int kRenameId = 2022;
constexpr int kMoveId = 2023;
constexpr int kDeleteId = 2024;
constexpr int kCloseId = 2025;
constexpr int kDeleteQuestionId = 2026;
constexpr int kDeleteFolderQuestionId = 2027;
constexpr int kNewNamePromptId = 2030;
constexpr int kChooseFolderTitleId = 2031;
constexpr int kChooseFolderPromptId = 2032;

QPushButton* makeButton(int captionId, QWidget* parent) {
    auto* button = new QPushButton(parent);
    setCaptionId(button, captionId);
    button->setAutoDefault(false);
    return button;
}

} // namespace

OrganizeFavoritesDialog::OrganizeFavoritesDialog(const QString& favoritesRoot, QWidget* parent)
    : QDialog(parent)
    , m_tree(new FavoritesFolderTree(favoritesRoot,
                                     FavoritesFolderTree::Content::FoldersAndShortcuts, this))
    , m_renameButton(makeButton(kRenameId, this))
    , m_moveButton(makeButton(kMoveId, this))
    , m_deleteButton(makeButton(kDeleteId, this)) {
    setCaptionId(this, kTitleId);
    m_tree->setAccessibleName(tr("Favorites and their folders"));
    auto* createButton = makeButton(kCreateFolderId, this);
    auto* closeButton = makeButton(kCloseId, this);
    connect(createButton, &QPushButton::clicked, m_tree,
            &FavoritesFolderTree::createFolderInCurrent);
    connect(m_renameButton, &QPushButton::clicked, this, &OrganizeFavoritesDialog::renameCurrent);
    connect(m_moveButton, &QPushButton::clicked, this, &OrganizeFavoritesDialog::moveCurrent);
    connect(m_deleteButton, &QPushButton::clicked, this, &OrganizeFavoritesDialog::deleteCurrent);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            &OrganizeFavoritesDialog::updateButtons);

    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {createButton, m_renameButton, m_moveButton, m_deleteButton})
        commands->addWidget(button);
    commands->addStretch();
    commands->addWidget(closeButton);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addLayout(commands);

    applyCaptions(this);
    resize(520, 400);
    updateButtons();
}

void OrganizeFavoritesDialog::updateButtons() {
    const bool movable = !m_tree->currentIsRoot();
    m_renameButton->setEnabled(movable);
    m_moveButton->setEnabled(movable);
    m_deleteButton->setEnabled(movable);
}

void OrganizeFavoritesDialog::renameCurrent() {
    if (m_tree->currentIsRoot())
        return;
    const QString path = m_tree->currentPath();
    bool confirmed = false;
    const QString name =
        QInputDialog::getText(this, tableString(kProductNameId), tableString(kNewNamePromptId),
                              QLineEdit::Normal, m_tree->currentItem()->text(0), &confirmed);
    if (!confirmed)
        return;
    StoreError error = StoreError::None;
    const QString renamed = renameFavorite(path, name, &error);
    if (renamed.isEmpty())
        return showStoreError(this, error, name);
    m_tree->reload();
    m_tree->selectPath(renamed);
}

QString OrganizeFavoritesDialog::chooseFolder() {
    QDialog dialog(this);
    setCaptionId(&dialog, kChooseFolderTitleId);
    auto* prompt = new QLabel(QString::number(kChooseFolderPromptId), &dialog);
    auto* folders =
        new FavoritesFolderTree(m_tree->root(), FavoritesFolderTree::Content::Folders, &dialog);
    folders->selectPath(QFileInfo(m_tree->currentPath()).path());
    auto* buttons = new QDialogButtonBox(&dialog);
    setCaptionId(buttons->addButton(QDialogButtonBox::Ok), kOkId);
    setCaptionId(buttons->addButton(QDialogButtonBox::Cancel), kCancelId);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(prompt);
    layout->addWidget(folders, 1);
    layout->addWidget(buttons);
    applyCaptions(&dialog);
    dialog.resize(360, 360);
    return dialog.exec() == QDialog::Accepted ? folders->currentFolder() : QString();
}

void OrganizeFavoritesDialog::moveCurrent() {
    if (m_tree->currentIsRoot())
        return;
    const QString path = m_tree->currentPath();
    const QString folder = chooseFolder();
    if (folder.isEmpty())
        return;
    StoreError error = StoreError::None;
    const QString moved = moveFavorite(path, folder, &error);
    if (moved.isEmpty())
        return showStoreError(this, error, m_tree->currentItem()->text(0));
    m_tree->reload();
    m_tree->selectPath(moved);
}

void OrganizeFavoritesDialog::deleteCurrent() {
    if (m_tree->currentIsRoot())
        return;
    const QString path = m_tree->currentPath();
    const QString name = m_tree->currentItem()->text(0);
    const int question = m_tree->currentIsFolder() ? kDeleteFolderQuestionId : kDeleteQuestionId;
    if (QMessageBox::question(this, tableString(kProductNameId), tableString(question).arg(name)) !=
        QMessageBox::Yes)
        return;
    const QString folder = QFileInfo(path).path();
    if (!removeFavorite(path))
        showStoreError(this, StoreError::Failed, name);
    m_tree->reload();
    m_tree->selectPath(folder);
}

void organizeFavorites(QWidget* owner) {
    const QString root = favoritesFolder();
    if (root.isEmpty())
        return;
    OrganizeFavoritesDialog dialog(root, owner);
    dialog.exec();
}

} // namespace kelvane
