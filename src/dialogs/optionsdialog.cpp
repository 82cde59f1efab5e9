#include "dialogs/optionsdialog.h"

#include "base/passwordhash.h"
#include "base/settingscatalogue.h"
#include "base/stringtable.h"
#include "dialogs/appearancepage.h"
#include "dialogs/sitepermissionspage.h"
#include "documents/sleeprules.h"
#include "platform/paths.h"
#include "platform/twips.h"
#include "ui/captions.h"
#include "ui/onscreen.h"

#include "ui_optionsdialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFocusEvent>
#include <QFontDialog>
#include <QMessageBox>
#include <QTabBar>

namespace kelvane {

namespace {

constexpr int kProductNameId = 100;
constexpr int kCleanQuestionId = 3020;
constexpr int kMismatchId = 3021;
constexpr int kSitesToolbarHiddenId = 3203;
constexpr int kLinksTab = 3;
constexpr int kChooseFolderId = 5053;

// Stands in the password boxes for a password that is set: the password itself is never
// known here (only its hash), and the boxes show one character per letter as "*".
const QString kPasswordPlaceholder =
    QStringLiteral("\u2022\u2022\u2022\u2022\u2022\u2022\u2022\u2022");

} // namespace

OptionsDialog::OptionsDialog(OptionsContext context, QWidget* parent)
    : QDialog(parent)
    , m_form(std::make_unique<Ui::OptionsForm>())
    , m_context(std::move(context)) {
    m_form->setupUi(this);
    const Ui::OptionsForm& f = *m_form;
    m_siteEdits = {f.home1Edit, f.home2Edit, f.searchEdit, f.mailEdit, f.newsEdit};
    for (QLineEdit* edit : std::as_const(m_siteEdits))
        edit->installEventFilter(this);

    // The load step.
    f.useCurrentSiteButton->setEnabled(m_context.page.has_value());
    for (int i = 1; i <= kUserLinkCount; ++i)
        f.linkList->addItem(tr("Custom %1").arg(i));
    m_links = appSettings().userLinks;
    f.noTrayLabel->setVisible(!m_context.trayAvailable);
    f.addBlockedButton->setIcon(QIcon::fromTheme(QStringLiteral("list-add")));
    f.removeBlockedButton->setIcon(QIcon::fromTheme(QStringLiteral("list-remove")));
    // The pages' titles that are the table's texts (a tab's identifier is its data).
    for (QWidget* page : {f.generalTab, f.sitesTab, f.notesTab})
        f.tabs->tabBar()->setTabData(f.tabs->indexOf(page), f.tabs->tabText(f.tabs->indexOf(page)));
    applyCaptions(this);
    if (m_context.rememberedAnswers) {
        m_permissions = new SitePermissionsPage(*m_context.rememberedAnswers, this);
        f.tabs->addTab(m_permissions, tr("Permissions"));
    }
    for (const OptionsPage& page : std::as_const(m_context.morePages))
        f.tabs->addTab(page.page, page.title);
    m_appearance = new AppearancePage(
        pageColoursFromText(Settings::readText(QStringLiteral("PageColours"))), this);
    f.tabs->addTab(m_appearance, tr("Appearance"));

    connectControls();
    showLink(0);
    fill();
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Wider than a narrow or highly scaled screen (the row of page titles is long in some
    // languages), the titles scroll and the dialog keeps to the screen.
    if (width() > screen()->availableSize().width()) {
        m_form->tabs->setUsesScrollButtons(true);
        layout()->activate();
    }
    keepOnScreen(this);
}

void OptionsDialog::connectControls() {
    const Ui::OptionsForm& f = *m_form;
    connect(f.okButton, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(f.cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(f.cleanNowButton, &QPushButton::clicked, this, [this] {
        if (QMessageBox::question(this, tableString(kProductNameId), tableString(kCleanQuestionId),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            cleanNow();
    });
    connect(f.minimizeToTrayBox, &QCheckBox::toggled, this, &OptionsDialog::updateTrayGroup);
    connect(f.passwordEdit, &QLineEdit::textEdited, this, [this] { m_passwordEdited = true; });
    connect(f.useCurrentSiteButton, &QPushButton::clicked, this, &OptionsDialog::useCurrentForSite);
    connect(f.fontButton, &QPushButton::clicked, this, &OptionsDialog::chooseFont);
    connect(f.colorButton, &QPushButton::clicked, this, &OptionsDialog::chooseColor);
    connect(f.linkList, &QComboBox::currentIndexChanged, this, &OptionsDialog::showLink);
    connect(f.linkEnabledBox, &QCheckBox::toggled, this, [this](bool on) {
        setLinkFieldsEnabled(on);
        m_links[m_form->linkList->currentIndex()].enabled = on;
    });
    connect(f.siteNameEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_links[m_form->linkList->currentIndex()].siteName = text;
    });
    connect(f.siteUrlEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_links[m_form->linkList->currentIndex()].siteUrl = text;
    });
    connect(f.useCurrentLinkButton, &QPushButton::clicked, this, &OptionsDialog::useCurrentForLink);
    connect(f.tabs, &QTabWidget::currentChanged, this, &OptionsDialog::tabChosen);
    connect(f.blockedEntry, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_form->addBlockedButton->setEnabled(!text.trimmed().isEmpty());
    });
    connect(f.addBlockedButton, &QToolButton::clicked, this, &OptionsDialog::addBlockedSite);
    connect(f.blockedList, &QListWidget::itemSelectionChanged, this, [this] {
        m_form->removeBlockedButton->setEnabled(!m_form->blockedList->selectedItems().isEmpty());
    });
    connect(f.removeBlockedButton, &QToolButton::clicked, this, &OptionsDialog::removeBlockedSite);
    connect(f.saveIntoButton, &QRadioButton::toggled, this, [this](bool on) {
        m_form->downloadFolderEdit->setEnabled(on);
        m_form->downloadFolderButton->setEnabled(on);
    });
    connect(f.downloadFolderButton, &QToolButton::clicked, this, [this] {
        const QString shown = m_form->downloadFolderEdit->text();
        const QString folder = QFileDialog::getExistingDirectory(
            this, tableString(kChooseFolderId), shown.isEmpty() ? desktopDownloadFolder() : shown);
        if (!folder.isEmpty())
            m_form->downloadFolderEdit->setText(folder);
    });
}

// The settings into the controls, in the opening command's order.
void OptionsDialog::fill() {
    const Ui::OptionsForm& f = *m_form;
    const AppSettings& app = appSettings();
    f.cleanHistoryBox->setChecked(app.cleanOnExit);
    f.saveAllBox->setChecked(app.saveAllOnExit);
    fillSleepTimes(SleepTimes::fromText(app.documentSleep));
    f.minimizeToTrayBox->setChecked(app.minimizeToTray);
    f.checkDefaultBox->setChecked(app.checkIfDefault);
    updateTrayGroup();
    f.saveIntoButton->setChecked(true); // so that the folder follows the choice from here on
    f.askWhereButton->setChecked(app.downloadAskWhere);
    f.downloadFolderEdit->setText(app.downloadFolder);
    f.downloadFolderEdit->setPlaceholderText(desktopDownloadFolder());
    const QString shown = app.password.isEmpty() ? QString() : kPasswordPlaceholder;
    f.passwordEdit->setText(shown);
    f.confirmEdit->setText(shown);

    const QString sites[] = {app.home1, app.home2, app.search, app.mail, app.news};
    for (int i = 0; i < m_siteEdits.size(); ++i)
        m_siteEdits[i]->setText(sites[i]);

    f.notesEnabledBox->setChecked(app.quickNotesEnabled);
    // The format group is enabled when the dialog opens and follows the box from then on.
    connect(f.notesEnabledBox, &QCheckBox::toggled, f.notesFormatGroup, &QWidget::setEnabled);
    setPreviewFont(app.notesBoxFont());
    setPreviewColor(app.notesBoxColor());

    f.blockedList->addItems(app.blockedSites);
    f.blockedEntry->setText(m_context.page ? m_context.page->address : QString());
    f.addBlockedButton->setEnabled(!f.blockedEntry->text().trimmed().isEmpty());
}

void OptionsDialog::updateTrayGroup() {
    const bool on = m_form->minimizeToTrayBox->isChecked();
    m_form->passwordEdit->setEnabled(on);
    m_form->confirmEdit->setEnabled(on);
}

void OptionsDialog::setLinkFieldsEnabled(bool enabled) {
    const Ui::OptionsForm& f = *m_form;
    for (QWidget* w :
         {static_cast<QWidget*>(f.siteNameLabel), static_cast<QWidget*>(f.siteNameEdit),
          static_cast<QWidget*>(f.siteUrlLabel), static_cast<QWidget*>(f.siteUrlEdit)})
        w->setEnabled(enabled);
    // Without an open page there is nothing to take.
    f.useCurrentLinkButton->setEnabled(enabled && m_context.page.has_value());
}

// Every one of the ten links, "Custom 6" to "Custom 10" as well as the first five.
void OptionsDialog::showLink(int index) {
    if (index < 0 || index >= kUserLinkCount)
        return;
    const UserLink link = m_links[index];
    m_form->linkEnabledBox->setChecked(link.enabled);
    setLinkFieldsEnabled(link.enabled);
    m_form->siteNameEdit->setText(link.siteName);
    m_form->siteUrlEdit->setText(link.siteUrl);
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const qsizetype site = m_siteEdits.indexOf(static_cast<QLineEdit*>(watched));
        if (site >= 0)
            m_lastSite = int(site);
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::useCurrentForSite() {
    if (m_context.page)
        m_siteEdits[m_lastSite]->setText(m_context.page->address);
}

void OptionsDialog::useCurrentForLink() {
    if (!m_context.page)
        return;
    m_form->siteNameEdit->setText(m_context.page->title);
    m_form->siteUrlEdit->setText(m_context.page->address);
}

void OptionsDialog::setPreviewFont(const QFont& chosen) {
    QFont font(chosen.family());
    font.setPointSizeF(chosen.pointSizeF() > 0 ? chosen.pointSizeF() : 12);
    font.setBold(chosen.bold());
    font.setItalic(chosen.italic());
    font.setUnderline(chosen.underline());
    m_form->previewEdit->setFont(font);
}

void OptionsDialog::setPreviewColor(const QColor& color) {
    m_previewColor = color;
    QPalette palette = m_form->previewEdit->palette();
    palette.setColor(QPalette::Text, color);
    m_form->previewEdit->setPalette(palette);
    m_form->colorButton->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid palette(dark);").arg(color.name()));
}

void OptionsDialog::chooseFont() {
    QFontDialog dialog(m_form->previewEdit->font(), this);
    dialog.setOption(QFontDialog::ScalableFonts);
    if (dialog.exec() == QDialog::Accepted)
        setPreviewFont(dialog.selectedFont());
}

// Opens on the current colour; a cancelled dialog keeps it.
void OptionsDialog::chooseColor() {
    QColorDialog dialog(m_previewColor, this);
    if (dialog.exec() == QDialog::Accepted && dialog.selectedColor().isValid())
        setPreviewColor(dialog.selectedColor());
}

void OptionsDialog::cleanNow() {
    if (m_context.cleanHistory)
        m_context.cleanHistory();
}

void OptionsDialog::tabChosen(int index) {
    if (index == kLinksTab && !m_context.sitesToolbarVisible)
        QMessageBox::information(this, tableString(kProductNameId),
                                 tableString(kSitesToolbarHiddenId));
}

// A blank entry would block nothing useful, so only a site with some text goes in.
void OptionsDialog::addBlockedSite() {
    const QString site = m_form->blockedEntry->text().trimmed();
    if (site.isEmpty())
        return;
    m_form->blockedList->addItem(site);
    m_form->blockedEntry->clear();
}

void OptionsDialog::removeBlockedSite() {
    QListWidget* list = m_form->blockedList;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    m_form->blockedEntry->setText(selected.first()->text());
    delete list->takeItem(list->row(selected.first()));
    m_form->removeBlockedButton->setEnabled(false);
}

void OptionsDialog::accept() {
    const Ui::OptionsForm& f = *m_form;
    if (f.minimizeToTrayBox->isChecked() && f.passwordEdit->text() != f.confirmEdit->text()) {
        QMessageBox::warning(this, tableString(kProductNameId), tableString(kMismatchId));
        f.confirmEdit->setFocus();
        f.confirmEdit->selectAll();
        return;
    }
    commit();
    QDialog::accept();
}

void OptionsDialog::fillSleepTimes(const SleepTimes& current) {
    QComboBox* list = m_form->sleepTimesList;
    const auto add = [list](int freeze, int discard) {
        SleepTimes times;
        times.freezeMinutes = freeze;
        times.discardMinutes = discard;
        list->addItem(tr("Frozen after %1 min, discarded after %2 min").arg(freeze).arg(discard),
                      times.toText());
    };
    add(SleepTimes::kDefaultFreezeMinutes, SleepTimes::kDefaultDiscardMinutes);
    add(1, 10);
    add(15, 120);
    if (list->findData(current.toText()) < 0 && !current.never)
        add(current.freezeMinutes, current.discardMinutes);
    SleepTimes never;
    never.never = true;
    list->addItem(tr("Never"), never.toText());
    list->setCurrentIndex(list->findData(current.toText()));
}

void OptionsDialog::commit() {
    const Ui::OptionsForm& f = *m_form;
    AppSettings& app = appSettings();
    app.cleanOnExit = f.cleanHistoryBox->isChecked();
    app.saveAllOnExit = f.saveAllBox->isChecked();
    app.documentSleep = f.sleepTimesList->currentData().toString();
    app.checkIfDefault = f.checkDefaultBox->isChecked();
    app.downloadAskWhere = f.askWhereButton->isChecked();
    app.downloadFolder = f.downloadFolderEdit->text().trimmed();
    app.minimizeToTray = f.minimizeToTrayBox->isChecked();
    // A new password only when typed and confirmed; the placeholder leaves the old one.
    if (m_passwordEdited && app.minimizeToTray)
        app.password = hashPassword(f.passwordEdit->text());
    QString* sites[] = {&app.home1, &app.home2, &app.search, &app.mail, &app.news};
    for (int i = 0; i < m_siteEdits.size(); ++i)
        *sites[i] = m_siteEdits[i]->text();
    app.quickNotesEnabled = f.notesEnabledBox->isChecked();
    const QFont font = f.previewEdit->font();
    app.quickNotesFont = font.family();
    app.quickNotesSize = qint16(roundHalfEven(font.pointSizeF()));
    app.setNotesBoxColor(m_previewColor);
    app.quickNotesBold = font.bold();
    app.quickNotesItalic = font.italic();
    app.quickNotesUnderline = font.underline();
    app.userLinks = m_links;
    app.blockedSites.clear();
    for (int row = 0; row < f.blockedList->count(); ++row)
        app.blockedSites << f.blockedList->item(row)->text();
    if (m_permissions) {
        *m_context.rememberedAnswers = m_permissions->answers();
        m_context.rememberedAnswers->save();
    }
    for (const OptionsPage& page : std::as_const(m_context.morePages)) {
        if (page.commit)
            page.commit();
    }
    Settings::writeText(QStringLiteral("PageColours"), pageColoursText(m_appearance->chosen()));
}

} // namespace kelvane
