#pragma once

#include "dialogs/warningquestion.h"

namespace kelvane {

// A page asks before it is left (closed, or navigated away from), as a page with typed text
// does: the question names its site. "Stay" is the default and the answer of Esc and the close
// box; accepted means leave.
class LeaveQuestion : public WarningQuestion {
    Q_OBJECT
public:
    explicit LeaveQuestion(const QString& site, QWidget* parent = nullptr);
};

} // namespace kelvane
