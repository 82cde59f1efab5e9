#include "dialogs/leavequestion.h"

namespace kelvane {

LeaveQuestion::LeaveQuestion(const QString& site, QWidget* parent)
    : WarningQuestion(
          tr("Leave Page"), site,
          {tr("This page asks whether you want to leave it; what you typed may be lost")}, parent) {
    addAnswer(tr("&Stay"), QStringLiteral("stay"), false, true);
    addAnswer(tr("&Leave"), QStringLiteral("leave"), true, false);
}

} // namespace kelvane
