#include "base/manpage.h"

#include "base/buildconfig.h"
#include "base/commandline.h"

namespace kelvane {

namespace {

struct Item {
    const char* term;
    const char* text;
};

constexpr Item kFiles[] = {
    {"$XDG_CONFIG_HOME/Kelvane/Kelvane.ini",
     "Settings: window places, bars, typed history, saved documents, site addresses. Private "
     "to the user (mode 0600). A damaged file is kept as Kelvane.ini.bad and rewritten with the "
     "settings that could be read"},
    {"$XDG_CONFIG_HOME/Kelvane/engine.ini", "The page-engine options of Internet Options"},
    {"$XDG_DATA_HOME/Kelvane/engine/", "The page-engine profile: cookies, history, site storage"},
    {"$XDG_CACHE_HOME/Kelvane/", "The page cache"},
    {"$XDG_DATA_HOME/Kelvane/notes.kvn", "Quick Notes"},
    {"$XDG_DATA_HOME/Kelvane/blacklist.kvn", "Sites the popup blocker blocks, one per line"},
    {"$XDG_DATA_HOME/Kelvane/Favorites/", "Favorites, as internet shortcuts (.url files)"},
    {"$XDG_CONFIG_HOME/mimeapps.list",
     "Where making Kelvane the default browser names its desktop entry for web pages, internet "
     "shortcuts and the http, https and ftp addresses. A Kelvane run from outside an installed "
     "desktop entry also writes its own entry to $XDG_DATA_HOME/applications/kelvane.desktop"},
    {"$XDG_RUNTIME_DIR/KelvaneV100_APPLICATION_MUTEX",
     "The lock that keeps one Kelvane per user, beside the socket a later start hands its "
     "address to"},
};

constexpr Item kEnvironment[] = {
    {"XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME",
     "Folders of the files above; by default ~/.config, ~/.local/share and ~/.cache"},
    {"XDG_RUNTIME_DIR",
     "Folder of the lock and the socket, used when it is the user's alone (mode 0700)"},
    {"QT_QPA_PLATFORM",
     "The window system interface. When it is not set and both WAYLAND_DISPLAY and DISPLAY are, "
     "Kelvane runs through XWayland (xcb), where it can place its windows itself"},
    {"QT_LOGGING_RULES", "With kelvane.startup=true the start-up milestones go to standard error"},
    {"QT_QUICK_BACKEND",
     "With software, pages are drawn in software on any machine; with rhi, OpenGL drawing is "
     "kept even on a software rasterizer, which Kelvane otherwise leaves for software drawing"},
};

constexpr Item kSignals[] = {
    {"SIGTERM, SIGHUP, SIGINT",
     "Close the browser the ordinary way: settings, notes and open documents are saved"},
};

constexpr Item kExitStatus[] = {
    {"0", "The browser closed, or the address was handed to the running Kelvane"},
    {"1", "No display, no answer from a running Kelvane, or a screenshot that could not be taken"},
    {"2", "A mistake on the command line"},
};

QString bold(const QString& text) {
    return QStringLiteral("\\fB") + roffEscaped(text) + QStringLiteral("\\fR");
}

QString italic(const QString& text) {
    return QStringLiteral("\\fI") + roffEscaped(text) + QStringLiteral("\\fR");
}

QString sentence(const char* text) {
    QString result = QString::fromUtf8(text);
    if (!result.isEmpty())
        result[0] = result[0].toUpper();
    return roffEscaped(result + u'.');
}

QString section(const char* title, const auto& items, QString (*term)(const QString&)) {
    QString text = QStringLiteral(".SH ") + QLatin1String(title) + u'\n';
    for (const Item& item : items)
        text += QStringLiteral(".TP\n") + term(QString::fromUtf8(item.term)) + u'\n' +
                sentence(item.text) + u'\n';
    return text;
}

} // namespace

QString roffEscaped(const QString& text) {
    QString result = text;
    result.replace(u'\\', QStringLiteral("\\e"));
    result.replace(u'-', QStringLiteral("\\-"));
    QStringList lines = result.split(u'\n');
    for (QString& line : lines) {
        if (line.startsWith(u'.') || line.startsWith(u'\''))
            line.prepend(QStringLiteral("\\&"));
    }
    return lines.join(u'\n');
}

QString manPageText() {
    QString text = QStringLiteral(".TH KELVANE 1 \"" KELVANE_RELEASE_DATE
                                  "\" \"Kelvane " KELVANE_VERSION "\" \"User Commands\"\n"
                                  ".SH NAME\n"
                                  "kelvane \\- a multiple\\-document web browser\n"
                                  ".SH SYNOPSIS\n"
                                  ".B kelvane\n");
    for (const CommandLineOption& option : commandLineOptions()) {
        text += u'[' + bold(QLatin1String(option.longName));
        if (option.argument)
            text += u' ' + italic(QLatin1String(option.argument));
        text += QStringLiteral("]\n");
    }
    text += u'[' + italic(QStringLiteral("URL-or-path")) + QStringLiteral("]\n.SH DESCRIPTION\n");
    text +=
        roffEscaped(descriptionText()).replace(QStringLiteral("\n\n"), QStringLiteral("\n.PP\n"));
    text += QStringLiteral("\n.SH OPTIONS\n");
    for (const CommandLineOption& option : commandLineOptions()) {
        text += QStringLiteral(".TP\n");
        if (option.shortName)
            text += bold(QLatin1String(option.shortName)) + QStringLiteral(", ");
        text += bold(QLatin1String(option.longName));
        if (option.argument)
            text += u' ' + italic(QLatin1String(option.argument));
        text += u'\n' + sentence(option.help) + u'\n';
    }
    text += section("FILES", kFiles, italic);
    text += section("ENVIRONMENT", kEnvironment, bold);
    text += section("SIGNALS", kSignals, bold);
    text += section("EXIT STATUS", kExitStatus, bold);
    return text;
}

} // namespace kelvane
