#include "dialogs/certificatequestion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kIconSize = 48;
constexpr int kTextWidth = 420;

// Text from the web is shown as it is, never read as markup.
QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

CertificateQuestion::CertificateQuestion(const CertificateError& error, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Certificate Error"));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIconSize));

    auto* heading =
        plainLabel(tr("Kelvane cannot confirm that this is really %1.").arg(error.host), this);
    heading->setObjectName(QStringLiteral("heading"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* problem = plainLabel(problemText(error.problem), this);
    problem->setObjectName(QStringLiteral("problem"));
    auto* advice = plainLabel(
        error.overridable
            ? tr("Someone may be pretending to be this site to read or change what you send it. "
                 "Go on only if you know why its certificate fails, and never for a bank, a "
                 "shop or a sign-in.")
            : tr("This site has told browsers to accept no exception for it, so it cannot be "
                 "opened until its certificate is put right."),
        this);
    auto* details =
        plainLabel(tr("Address: %1\nEngine's report: %2").arg(error.url, error.description), this);
    details->setEnabled(false);

    auto* buttons = new QDialogButtonBox(this);
    m_goBack = buttons->addButton(tr("&Go back"), QDialogButtonBox::RejectRole);
    m_goBack->setObjectName(QStringLiteral("goBack"));
    if (error.overridable) {
        m_continue = buttons->addButton(tr("&Continue to this site"), QDialogButtonBox::AcceptRole);
        m_continue->setObjectName(QStringLiteral("continue"));
        m_continue->setAutoDefault(false);
    }
    m_goBack->setDefault(true);
    m_goBack->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* text = new QVBoxLayout;
    for (QLabel* label : {heading, problem, advice, details}) {
        label->setFixedWidth(kTextWidth);
        text->addWidget(label);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CertificateQuestion::problemText(CertificateProblem problem) {
    switch (problem) {
    case CertificateProblem::SelfSigned:
        return tr("The site vouches for itself: its certificate is signed by no authority this "
                  "computer trusts.");
    case CertificateProblem::UnknownAuthority:
        return tr("Its certificate is signed by an authority this computer does not trust.");
    case CertificateProblem::Expired:
        return tr("Its certificate has expired.");
    case CertificateProblem::NotYetValid:
        return tr("Its certificate is not valid yet (or this computer's clock is wrong).");
    case CertificateProblem::WrongHost:
        return tr("Its certificate was issued for another site.");
    case CertificateProblem::Revoked:
        return tr("Its certificate was withdrawn by the authority that issued it.");
    case CertificateProblem::Weak:
        return tr("It protects the connection with outdated, breakable means.");
    case CertificateProblem::Other:
        break;
    }
    return tr("Its certificate failed the checks.");
}

} // namespace kelvane
