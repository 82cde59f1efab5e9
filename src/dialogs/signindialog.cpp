#include "dialogs/signindialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kTextWidth = 380;

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    return label;
}

} // namespace

SignInDialog::SignInDialog(SignInRequest& request, bool retry, QWidget* parent)
    : QDialog(parent)
    , m_request(request)
    , m_user(new QLineEdit(request.user, this))
    , m_password(new QLineEdit(this)) {
    setWindowTitle(tr("Sign In"));
    // The host with its port: two servers of one host are two places to sign in to.
    const QUrl url(request.url);
    const QString place =
        url.port() > 0 ? QStringLiteral("%1:%2").arg(request.host).arg(url.port()) : request.host;
    const QString who = request.proxyHost.isEmpty()
                            ? tr("%1 asks for a user name and password.").arg(place)
                            : tr("The proxy %1 asks for a user name and password to reach %2.")
                                  .arg(request.proxyHost, place);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plainLabel(who, this));
    if (request.proxyHost.isEmpty() && url.scheme() == QLatin1String("http")) {
        auto* unencrypted = plainLabel(
            tr("This connection is not encrypted: the password is sent unencrypted, and others "
               "on the network can read it."),
            this);
        unencrypted->setObjectName(QStringLiteral("unencrypted"));
        layout->addWidget(unencrypted);
    }
    if (!request.realm.isEmpty())
        layout->addWidget(
            plainLabel(tr("The server says: \u201c%1\u201d").arg(request.realm), this));
    if (retry) {
        auto* refused =
            plainLabel(tr("The user name or password was not accepted. Try again."), this);
        refused->setObjectName(QStringLiteral("refused"));
        layout->addWidget(refused);
    }
    auto* form = new QFormLayout;
    m_user->setObjectName(QStringLiteral("user"));
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(tr("&User name:"), m_user);
    form->addRow(tr("&Password:"), m_password);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    QPushButton* signIn = buttons->addButton(tr("&Sign in"), QDialogButtonBox::AcceptRole);
    signIn->setObjectName(QStringLiteral("signIn"));
    signIn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    (m_user->text().isEmpty() ? m_user : m_password)->setFocus();
}

void SignInDialog::accept() {
    m_request.user = m_user->text();
    m_request.password = m_password->text();
    m_request.cancel = false;
    QDialog::accept();
}

} // namespace kelvane
