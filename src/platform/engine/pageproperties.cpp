#include "platform/engine/pageproperties.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kelvane {

namespace {

QLabel* valueLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // Titles and addresses come from the web: shown as text, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

PageProperties::PageProperties(const QString& title, const QUrl& url, PageSecurity security,
                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Properties"));
    auto* form = new QFormLayout;
    form->addRow(tr("Title:"), valueLabel(title, "title", this));
    form->addRow(tr("Address:"), valueLabel(url.toString(), "address", this));
    form->addRow(tr("Protocol:"), valueLabel(protocolName(url), "protocol", this));
    form->addRow(tr("Security:"), valueLabel(securityText(security), "security", this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

QString PageProperties::protocolName(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http"))
        return tr("HyperText Transfer Protocol");
    if (scheme == QLatin1String("https"))
        return tr("HyperText Transfer Protocol with Privacy");
    if (scheme == QLatin1String("file"))
        return tr("File Protocol");
    if (scheme == QLatin1String("ftp"))
        return tr("File Transfer Protocol");
    if (scheme == QLatin1String("about"))
        return tr("About Protocol");
    if (scheme == QLatin1String("view-source"))
        return tr("Source View");
    if (scheme.isEmpty())
        return tr("Unknown");
    return tr("%1 Protocol").arg(scheme.toUpper());
}

QString PageProperties::securityText(PageSecurity security) {
    switch (security) {
    case PageSecurity::Secure:
        return tr("Encrypted connection (HTTPS)");
    case PageSecurity::NotSecure:
        return tr("Not secure: encrypted, but the site's certificate failed its checks");
    case PageSecurity::Plain:
        break;
    }
    return tr("Not encrypted");
}

} // namespace kelvane
