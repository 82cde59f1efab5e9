#include "platform/engine/internetoptions.h"

#include "platform/spelling.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

InternetOptions::InternetOptions(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Internet Options"));

    auto* content = new QGroupBox(tr("Content"), this);
    m_javaScript = new QCheckBox(tr("Run &JavaScript"), content);
    m_javaScript->setObjectName(QStringLiteral("javaScript"));
    m_images = new QCheckBox(tr("Show &pictures"), content);
    m_images->setObjectName(QStringLiteral("images"));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->addWidget(m_javaScript);
    contentLayout->addWidget(m_images);

    auto* privacy = new QGroupBox(tr("Privacy"), this);
    m_cookies = new QComboBox(privacy);
    m_cookies->setObjectName(QStringLiteral("cookies"));
    // Item i is EngineOptions::Cookies value i.
    m_cookies->addItem(tr("Accept all cookies"));
    m_cookies->addItem(tr("Block third-party cookies"));
    m_cookies->addItem(tr("Block all cookies"));
    auto* privacyLayout = new QFormLayout(privacy);
    privacyLayout->addRow(tr("&Cookies:"), m_cookies);

    auto* files = new QGroupBox(tr("Temporary internet files"), this);
    m_httpCache = new QCheckBox(tr("&Keep pages on disk for faster viewing"), files);
    m_httpCache->setObjectName(QStringLiteral("httpCache"));
    m_delete = new QPushButton(tr("Delete browsing data"), files);
    m_delete->setObjectName(QStringLiteral("deleteBrowsingData"));
    m_delete->setAutoDefault(false);
    connect(m_delete, &QPushButton::clicked, this, &InternetOptions::deleteBrowsingData);
    auto* filesLayout = new QVBoxLayout(files);
    filesLayout->addWidget(m_httpCache);
    filesLayout->addWidget(m_delete, 0, Qt::AlignLeft);

    auto* spelling = new QGroupBox(tr("Spelling"), this);
    m_languages = new QListWidget(spelling);
    m_languages->setObjectName(QStringLiteral("spellingLanguages"));
    for (const QString& language : WebEngineProfile::dictionaryLanguages()) {
        auto* item = new QListWidgetItem(language, m_languages);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    m_languages->setMaximumHeight(m_languages->sizeHintForRow(0) * 5 + 4);
    auto* spellingLayout = new QVBoxLayout(spelling);
    spellingLayout->addWidget(m_languages);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content);
    layout->addWidget(privacy);
    layout->addWidget(files);
    layout->addWidget(spelling);
    layout->addWidget(buttons);

    showOptions(WebEngineProfile::options());
}

EngineOptions InternetOptions::chosenOptions() const {
    // What this dialog does not show (the spelling languages) stays as it is.
    EngineOptions options = WebEngineProfile::options();
    options.javaScript = m_javaScript->isChecked();
    options.images = m_images->isChecked();
    options.cookies = static_cast<EngineOptions::Cookies>(m_cookies->currentIndex());
    options.httpCache = m_httpCache->isChecked();
    options.spellingLanguages.clear();
    for (int i = 0; i < m_languages->count(); ++i) {
        if (m_languages->item(i)->checkState() == Qt::Checked)
            options.spellingLanguages.append(m_languages->item(i)->text());
    }
    return options;
}

void InternetOptions::showOptions(const EngineOptions& options) {
    m_javaScript->setChecked(options.javaScript);
    m_images->setChecked(options.images);
    m_cookies->setCurrentIndex(static_cast<int>(options.cookies));
    m_httpCache->setChecked(options.httpCache);
    // Without a choice of the user's, the languages checked are those of the locale.
    QStringList available;
    for (int i = 0; i < m_languages->count(); ++i)
        available.append(m_languages->item(i)->text());
    const QStringList checked = spellingLanguages(options.spellingLanguages,
                                                  QLocale::system().uiLanguages(), available);
    for (int i = 0; i < m_languages->count(); ++i) {
        QListWidgetItem* item = m_languages->item(i);
        item->setCheckState(checked.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
}

void InternetOptions::accept() {
    WebEngineProfile::setOptions(chosenOptions());
    QDialog::accept();
}

void InternetOptions::deleteBrowsingData() {
    const QPointer<InternetOptions> self(this);
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        tr("Temporary internet files, cookies and history will be deleted. Proceed?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (self && answer == QMessageBox::Yes)
        WebEngineProfile::cleanHistory();
}

} // namespace kelvane
