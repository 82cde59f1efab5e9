#include "favorites/addfavoritedialog.h"

#include "base/shortcutfile.h"
#include "base/stringtable.h"
#include "favorites/favoritesfoldertree.h"
#include "favorites/favoritesstore.h"
#include "ui/captions.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace kelvane {

namespace {

constexpr int kProductNameId = 100;
constexpr int kTitleId = 2010;
constexpr int kNameLabelId = 2011;
constexpr int kFolderLabelId = 2012;
constexpr int kNewFolderId = 2013;
constexpr int kOkId = 2014;
constexpr int kCancelId = 2015;
constexpr int kReplaceQuestionId = 2016;
constexpr int kNotSavedId = 2017;

} // namespace

AddFavoriteDialog::AddFavoriteDialog(const QString& title, const QString& favoritesRoot,
                                     QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit(favoriteFileName(title), this))
    , m_folders(
          new FavoritesFolderTree(favoritesRoot, FavoritesFolderTree::Content::Folders, this)) {
    setCaptionId(this, kTitleId);
    auto* nameLabel = new QLabel(QString::number(kNameLabelId), this);
    nameLabel->setBuddy(m_name);
    auto* folderLabel = new QLabel(QString::number(kFolderLabelId), this);
    folderLabel->setBuddy(m_folders);

    auto* newFolder = new QPushButton(this);
    setCaptionId(newFolder, kNewFolderId);
    newFolder->setAutoDefault(false);
    connect(newFolder, &QPushButton::clicked, m_folders,
            &FavoritesFolderTree::createFolderInCurrent);

    auto* buttons = new QDialogButtonBox(this);
    m_okButton = buttons->addButton(QDialogButtonBox::Ok);
    setCaptionId(m_okButton, kOkId);
    setCaptionId(buttons->addButton(QDialogButtonBox::Cancel), kCancelId);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddFavoriteDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_okButton->setEnabled(!favoriteFileName(text).isEmpty());
    });
    m_okButton->setEnabled(!favoriteFileName(m_name->text()).isEmpty());

    auto* layout = new QGridLayout(this);
    layout->addWidget(nameLabel, 0, 0);
    layout->addWidget(m_name, 0, 1);
    layout->addWidget(folderLabel, 1, 0, 1, 2);
    layout->addWidget(m_folders, 2, 0, 1, 2);
    layout->addWidget(newFolder, 3, 0);
    layout->addWidget(buttons, 3, 1);
    layout->setRowStretch(2, 1);

    applyCaptions(this);
    resize(420, 360);
    m_name->selectAll();
    m_name->setFocus();
}

void AddFavoriteDialog::accept() {
    QString name = favoriteFileName(m_name->text());
    if (!favoriteNameOf(name).isEmpty())
        name = favoriteFileName(favoriteNameOf(name)); // the extension typed along
    if (name.isEmpty())
        return;
    const QString folder = m_folders->currentFolder();
    const QString existing = existingShortcut(folder, name);
    if (!existing.isEmpty() &&
        QMessageBox::question(this, tableString(kProductNameId),
                              tableString(kReplaceQuestionId).arg(name)) != QMessageBox::Yes)
        return;
    // Replacing writes into the shortcut there, whatever the case of its extension.
    m_shortcutPath =
        existing.isEmpty() ? QDir(folder).filePath(name + QStringLiteral(".url")) : existing;
    QDialog::accept();
}

QString addFavorite(const QString& title, const QString& address, QWidget* owner) {
    const QString root = favoritesFolder();
    if (root.isEmpty())
        return {};
    AddFavoriteDialog dialog(title, root, owner);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString path = dialog.shortcutPath();
    if (!writeShortcutUrl(path, address)) {
        QMessageBox::warning(owner, tableString(kProductNameId),
                             tableString(kNotSavedId).arg(QFileInfo(path).fileName()));
        return {};
    }
    return path;
}

} // namespace kelvane
