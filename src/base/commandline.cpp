#include "base/commandline.h"

#include "base/buildconfig.h"
#include "base/controlcharacters.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kelvane {

namespace {

// The options that take a FILE, each in the form "--option FILE" or "--option=FILE".
enum class FileOption { Screenshot, ImportFavorites, ExportFavorites };
const std::pair<FileOption, const char*> kFileOptions[] = {
    {FileOption::Screenshot, "--screenshot"},
    {FileOption::ImportFavorites, "--import-favorites"},
    {FileOption::ExportFavorites, "--export-favorites"},
};

// Qt's own options, which QApplication takes out of the arguments as it starts: those that take
// the next argument, and those that stand alone. "-style" and "-stylesheet" also come as
// "-style=NAME"; "--platform" is read like "-platform".
const char* const kQtOptionsWithValue[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "geometry",
                                           "qwindowtitle",
                                           "title",
                                           "qwindowicon",
                                           "icon",
                                           "session",
                                           "display",
                                           "name",
                                           "style",
                                           "stylesheet"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                "dograb",  "sync",        "testability"};

// How many arguments from index i are one of Qt's options; 0 when arguments[i] is none.
qsizetype qtOptionLength(const QStringList& arguments, qsizetype i) {
    QStringView name = arguments.at(i);
    name = name.mid(name.startsWith(QLatin1String("--")) ? 2 : 1);
    if (name.startsWith(QLatin1String("qmljsdebugger=")) ||
        name.startsWith(QLatin1String("style=")) || name.startsWith(QLatin1String("stylesheet=")))
        return 1;
    const auto is = [name](const char* option) { return name == QLatin1String(option); };
    if (std::ranges::any_of(kQtFlags, is))
        return 1;
    if (std::ranges::any_of(kQtOptionsWithValue, is))
        return i + 1 < arguments.size() ? 2 : 1;
    return 0;
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// RFC 3986 scheme: a letter, then letters, digits, "+", "-" or ".", then ":".
// "localhost:8000" counts too: it is an address, never a file the user meant.
bool hasScheme(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 1 || !isAsciiLetter(text.front()))
        return false;
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = text.at(i);
        if (!isAsciiLetter(c) && !c.isDigit() && c != u'+' && c != u'-' && c != u'.')
            return false;
    }
    return true;
}

CommandLine failure(const QString& message) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.error = message;
    return result;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    QStringList positional;
    bool optionsEnded = false;

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        // A lone "-" is no option; it is passed on like any other text.
        if (optionsEnded || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
            positional.append(arg);
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.action = CommandLine::Action::Help;
            return result;
        } else if (arg == QLatin1String("--version") || arg == QLatin1String("-v")) {
            result.action = CommandLine::Action::Version;
            return result;
        } else if (const qsizetype length = qtOptionLength(arguments, i)) {
            if (arg.endsWith(QLatin1String("-platform")))
                result.platformChosen = true;
            i += length - 1;
        } else {
            const auto option = std::find_if(
                std::begin(kFileOptions), std::end(kFileOptions), [&arg](const auto& o) {
                    return arg == QLatin1String(o.second) ||
                           arg.startsWith(QLatin1String(o.second) + u'=');
                });
            if (option == std::end(kFileOptions))
                return failure(QStringLiteral("unknown option: ") + arg);
            const QLatin1String name(option->second);
            QString file;
            if (arg.size() > name.size()) {
                file = arg.mid(name.size() + 1);
            } else if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(u'-')) {
                // The separate form takes no value that looks like an option, so that a
                // forgotten FILE does not swallow "--" or the next option; "--option=-x" still
                // can.
                file = arguments.at(++i);
            }
            if (file.isEmpty())
                return failure(QStringLiteral("option %1 needs a FILE").arg(name));
            switch (option->first) {
            case FileOption::Screenshot:
                result.screenshotFile = file;
                break;
            case FileOption::ImportFavorites:
            case FileOption::ExportFavorites:
                if (result.action != CommandLine::Action::Run)
                    return failure(QStringLiteral("one favorites import or export at a time"));
                result.action = option->first == FileOption::ImportFavorites
                                    ? CommandLine::Action::ImportFavorites
                                    : CommandLine::Action::ExportFavorites;
                result.favoritesFile = file;
                break;
            }
        }
    }

    result.text = stripLeadingQuote(withoutControlCharacters(positional.join(u' ')));
    return result;
}

std::span<const CommandLineOption> commandLineOptions() {
    static constexpr CommandLineOption kOptions[] = {
        {"-h", "--help", nullptr, "show this help and exit"},
        {"-v", "--version", nullptr, "show the version and exit"},
        {nullptr, "--screenshot", "FILE",
         "once the first documents have loaded, save a picture of the main window to FILE and "
         "quit; without a display the window is drawn offscreen"},
        {nullptr, "--import-favorites", "FILE",
         "add the bookmarks of FILE (bookmark HTML, a Firefox places.sqlite or a Chromium "
         "Bookmarks file) to the Favorites, print what was added and exit; no window is needed"},
        {nullptr, "--export-favorites", "FILE",
         "write the Favorites to FILE as bookmark HTML and exit"},
        {nullptr, "--", nullptr,
         "end of options: what follows is the address, even when it begins with \"-\""},
    };
    return kOptions;
}

QString synopsisText() {
    QString text = QStringLiteral("kelvane");
    for (const CommandLineOption& option : commandLineOptions()) {
        text += QStringLiteral(" [") + QLatin1String(option.longName);
        if (option.argument)
            text += u' ' + QLatin1String(option.argument);
        text += u']';
    }
    return text + QStringLiteral(" [URL-or-path]");
}

QString descriptionText() {
    return QStringLiteral(
        "Opens URL-or-path (a web address, a local file or an internet shortcut) in a new "
        "document window. A relative path is taken from the folder the program starts in.\n"
        "\n"
        "When Kelvane is already running for this user, the address is handed to that window "
        "and this start ends without showing anything.\n"
        "\n"
        "The options every Qt program knows (-platform, -style, -reverse, -geometry and the "
        "others) are accepted too.");
}

QString usageText() {
    constexpr qsizetype kHelpColumn = 24;
    constexpr qsizetype kWidth = 80;
    // Words filled into lines of kWidth columns, the lines after the first indented; the first
    // line starts at column indent too (the caller has filled it so far).
    const auto wrapped = [](const QString& text, qsizetype indent) {
        QString out;
        qsizetype column = indent;
        bool lineStarted = false;
        for (const QString& word : text.split(u' ')) {
            if (lineStarted && column + 1 + word.size() > kWidth) {
                out += u'\n' + QString(indent, u' ');
                column = indent;
                lineStarted = false;
            }
            if (lineStarted) {
                out += u' ';
                ++column;
            }
            out += word;
            column += word.size();
            lineStarted = true;
        }
        return out;
    };
    QString text = QStringLiteral("Usage: ") + wrapped(synopsisText(), 7) + QStringLiteral("\n\n");
    for (const QString& paragraph : descriptionText().split(QStringLiteral("\n\n")))
        text += wrapped(paragraph, 0) + QStringLiteral("\n\n");
    for (const CommandLineOption& option : commandLineOptions()) {
        QString names = QStringLiteral("  ");
        if (option.shortName)
            names += QLatin1String(option.shortName) + QStringLiteral(", ");
        names += QLatin1String(option.longName);
        if (option.argument)
            names += u' ' + QLatin1String(option.argument);
        if (names.size() >= kHelpColumn)
            names += u'\n' + QString(kHelpColumn, u' ');
        else
            names += QString(kHelpColumn - names.size(), u' ');
        text += names + wrapped(QLatin1String(option.help), kHelpColumn) + u'\n';
    }
    return text;
}

QString versionText() {
    return QStringLiteral("Kelvane " KELVANE_VERSION);
}

QString stripLeadingQuote(const QString& text) {
    if (!text.startsWith(u'"'))
        return text;
    QString result = text.mid(1);
    if (result.isEmpty())
        return result;
    // The last character goes whole: cutting half of a surrogate pair would corrupt the text.
    const bool pair = result.size() >= 2 && result.back().isLowSurrogate() &&
                      result.at(result.size() - 2).isHighSurrogate();
    result.chop(pair ? 2 : 1);
    return result;
}

QString resolveAgainst(const QString& text, const QString& workingDirectory) {
    if (text.isEmpty() || hasScheme(text) || QDir::isAbsolutePath(text))
        return text;
    // Without a known starting folder there is nothing sound to resolve against.
    if (workingDirectory.isEmpty() || !QDir::isAbsolutePath(workingDirectory))
        return text;
    const QDir base(workingDirectory);
    const bool explicitPath =
        text.startsWith(QLatin1String("./")) || text.startsWith(QLatin1String("../"));
    if (!explicitPath && !QFileInfo::exists(base.filePath(text)))
        return text;
    return QDir::cleanPath(base.absoluteFilePath(text));
}

} // namespace kelvane
