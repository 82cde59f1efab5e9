#include "platform/quietlog.h"

#include <algorithm>

namespace kelvane {

Q_LOGGING_CATEGORY(lcEngineLog, "kelvane.engine", QtWarningMsg)
Q_LOGGING_CATEGORY(lcQtNotes, "kelvane.qt", QtWarningMsg)

namespace {

QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool defaultCategory = !context.category || qstrcmp(context.category, "default") == 0;
    if (type != QtFatalMsg && defaultCategory && isQtPlatformNote(message)) {
        if (lcQtNotes().isInfoEnabled()) {
            const QMessageLogContext note(context.file, context.line, context.function,
                                          lcQtNotes().categoryName());
            previousHandler(QtInfoMsg, note, message);
        }
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

bool isQtPlatformNote(QStringView message) {
    // The offscreen plugin's and the engine's notes; they name no file of the user's.
    static constexpr const char* kBeginnings[] = {"This plugin does not support",
                                                  "Sandboxing disabled by user",
                                                  "No suitable graphics backend found"};
    return std::ranges::any_of(kBeginnings, [message](const char* beginning) {
        return message.startsWith(QLatin1String(beginning));
    });
}

void installQuietLog() {
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(quietHandler);
}

} // namespace kelvane
