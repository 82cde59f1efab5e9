#include "dialogs/certificatequestion.h"

#include <QLabel>

namespace kelvane {

CertificateQuestion::CertificateQuestion(const CertificateError& error, QWidget* parent)
    : WarningQuestion(
          tr("Certificate Error"),
          tr("Kelvane cannot confirm that this is really %1.").arg(error.host),
          {problemText(error.problem),
           error.overridable
               ? tr("Someone may be pretending to be this site to read or change what you send "
                    "it. Go on only if you know why its certificate fails, and never for a bank, "
                    "a shop or a sign-in.")
               : tr("This site has told browsers to accept no exception for it, so it cannot be "
                    "opened until its certificate is put right."),
           tr("Address: %1\nEngine's report: %2").arg(error.url, error.description)},
          parent) {
    paragraph(0)->setObjectName(QStringLiteral("problem"));
    paragraph(2)->setEnabled(false);
    m_goBack = addAnswer(tr("&Go back"), QStringLiteral("goBack"), false, true);
    if (error.overridable)
        m_continue =
            addAnswer(tr("&Continue to this site"), QStringLiteral("continue"), true, false);
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
