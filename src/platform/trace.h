#pragma once

#include <QLoggingCategory>

namespace kelvane {

// Start-up milestones; off unless QT_LOGGING_RULES="kelvane.startup=true".
Q_DECLARE_LOGGING_CATEGORY(lcStartup)
// Points the start-up benchmark times ("main window shown", "first document loaded", and the
// engine's own: profile created, navigation started, first layout); off unless
// QT_LOGGING_RULES="kelvane.bench=true".
Q_DECLARE_LOGGING_CATEGORY(lcBench)

void trace(const char* text);
void benchMark(const char* milestone);
// The first time only: later calls with the same milestone say nothing.
void benchMarkOnce(const char* milestone);

} // namespace kelvane
