#pragma once

#include <QLoggingCategory>

namespace kelvane {

// Start-up milestones; off unless QT_LOGGING_RULES="kelvane.startup=true".
Q_DECLARE_LOGGING_CATEGORY(lcStartup)

void Trace(const char* text);

} // namespace kelvane
