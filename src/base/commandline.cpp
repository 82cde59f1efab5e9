#include "base/commandline.h"

#include "base/controlcharacters.h"

#include <QDir>
#include <QFileInfo>

namespace kelvane {

namespace {

const QString kScreenshotOption = QStringLiteral("--screenshot");

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
        } else if (arg == kScreenshotOption) {
            // The separate form takes no value that looks like an option, so that a forgotten
            // FILE does not swallow "--" or the next option; "--screenshot=-x" still can.
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty() ||
                arguments.at(i + 1).startsWith(u'-'))
                return failure(QStringLiteral("option --screenshot needs a FILE"));
            result.screenshotFile = arguments.at(++i);
        } else if (arg.startsWith(kScreenshotOption + u'=')) {
            result.screenshotFile = arg.mid(kScreenshotOption.size() + 1);
            if (result.screenshotFile.isEmpty())
                return failure(QStringLiteral("option --screenshot needs a FILE"));
        } else {
            return failure(QStringLiteral("unknown option: ") + arg);
        }
    }

    result.text = stripLeadingQuote(withoutControlCharacters(positional.join(u' ')));
    return result;
}

QString usageText() {
    return QStringLiteral(
        "Usage: kelvane [--help] [--version] [--screenshot FILE] [--] [URL-or-path]\n"
        "\n"
        "Opens URL-or-path (a web address or a file) in a new document window. When Kelvane is\n"
        "already running for this user, the address is handed to that window and this start\n"
        "ends without showing anything.\n"
        "\n"
        "  -h, --help           show this help and exit\n"
        "  -v, --version        show the version and exit\n"
        "  --screenshot FILE    once the first document has loaded, save a picture of the main\n"
        "                       window to FILE and quit\n"
        "  --                   end of options: what follows is the address, even when it\n"
        "                       begins with \"-\"\n");
}

QString versionText() {
    return QStringLiteral("Kelvane 1.50");
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
