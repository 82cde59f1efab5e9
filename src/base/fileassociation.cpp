#include "base/fileassociation.h"

#include "base/buildconfig.h"

#include <QList>
#include <QSet>

namespace kelvane {

namespace {

constexpr char kDefaultGroup[] = "[Default Applications]";
constexpr char kEntryGroup[] = "[Desktop Entry]";

// Characters that make an Exec argument need quotes, and those escaped inside the quotes.
constexpr char16_t kReserved[] = u" \t\n\"'\\><~|&;$*?#()`";
constexpr char16_t kEscapedInQuotes[] = u"\"`$\\";

struct Line {
    QByteArray text; // without its line feed, a carriage return kept
    bool hasFeed;    // ended by "\n" in the file
    QByteArray key() const;
    QByteArray trimmed() const { return text.trimmed(); }
    bool isGroup() const { return trimmed().startsWith('['); }
};

QByteArray Line::key() const {
    const QByteArray line = trimmed();
    if (line.isEmpty() || line.startsWith('#') || line.startsWith('['))
        return {};
    const qsizetype equals = line.indexOf('=');
    return equals < 0 ? QByteArray() : line.left(equals).trimmed();
}

QList<Line> splitLines(const QByteArray& text) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype feed = text.indexOf('\n', start);
        const qsizetype end = feed < 0 ? text.size() : feed;
        lines.append({text.mid(start, end - start), feed >= 0});
        start = end + 1;
    }
    return lines;
}

QByteArray valueOf(const QByteArray& line) {
    return line.mid(line.indexOf('=') + 1).trimmed();
}

// The value of key in group, as written; empty when missing.
QByteArray groupValue(const QByteArray& text, const char* group, const QByteArray& key) {
    bool inGroup = false;
    for (const Line& line : splitLines(text)) {
        if (line.isGroup())
            inGroup = line.trimmed() == group;
        else if (inGroup && line.key() == key)
            return valueOf(line.trimmed());
    }
    return {};
}

QString quotedArgument(QString argument) {
    bool reserved = false;
    for (const QChar c : std::as_const(argument))
        reserved = reserved || QStringView(kReserved).contains(c);
    if (reserved) {
        QString quoted = QStringLiteral("\"");
        for (const QChar c : std::as_const(argument)) {
            if (QStringView(kEscapedInQuotes).contains(c))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        argument = quoted + QLatin1Char('"');
    }
    // Then the escapes of any desktop-entry value.
    argument.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    argument.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    argument.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    argument.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return argument;
}

// A literal "%" is "%%" among the field codes.
QString execArgument(const QString& argument) {
    return quotedArgument(QString(argument).replace(QLatin1Char('%'), QStringLiteral("%%")));
}

} // namespace

QStringList checkedMimeTypes() {
    return {QStringLiteral("text/html"), QStringLiteral("text/html"),
            QStringLiteral("application/x-mswinurl")};
}

QStringList registeredMimeTypes() {
    return {QStringLiteral("text/html"), QStringLiteral("application/x-mswinurl"),
            QStringLiteral("x-scheme-handler/http"), QStringLiteral("x-scheme-handler/https"),
            QStringLiteral("x-scheme-handler/ftp")};
}

QString desktopExecLine(const QString& programPath) {
    return execArgument(programPath) + QStringLiteral(" -- %u");
}

QString installedDesktopId() {
    return QStringLiteral(KELVANE_APP_ID ".desktop");
}

QByteArray desktopEntryText(const QString& programPath, const QString& iconName) {
    QByteArray text = "[Desktop Entry]\n"
                      "Type=Application\n"
                      "Name=Kelvane\n"
                      "GenericName=Web Browser\n"
                      "Comment=Browse the web in many documents in one window\n"
                      "Keywords=web;internet;browser;www;\n"
                      "Icon=" +
                      iconName.toUtf8() +
                      "\n"
                      "Terminal=false\n"
                      "StartupNotify=true\n"
                      // The class of its windows on X: the program's name, capitalised.
                      "StartupWMClass=Kelvane\n"
                      "Categories=Network;WebBrowser;\n";
    text += "Exec=" + desktopExecLine(programPath).toUtf8() + '\n';
    text += "MimeType=" + registeredMimeTypes().join(QLatin1Char(';')).toUtf8() + ";\n";
    // Without an address a new document opens, in the running browser when there is one.
    text += "Actions=new-window;\n\n[Desktop Action new-window]\nName=New Window\nExec=" +
            execArgument(programPath).toUtf8() + '\n';
    return text;
}

QString desktopEntryExec(const QByteArray& entry) {
    return QString::fromUtf8(groupValue(entry, kEntryGroup, "Exec"));
}

QString execProgram(const QString& exec) {
    // The value's own escapes first, then the quoting of the argument.
    QString value;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec.at(i) == u'\\' && i + 1 < exec.size()) {
            const QChar next = exec.at(++i);
            value += next == u's' ? u' ' : next == u'n' ? u'\n' : next == u't' ? u'\t' : next;
        } else {
            value += exec.at(i);
        }
    }
    QString program;
    if (!value.startsWith(u'"')) {
        program = value.section(u' ', 0, 0);
    } else {
        for (qsizetype i = 1; i < value.size() && value.at(i) != u'"'; ++i) {
            if (value.at(i) == u'\\' && i + 1 < value.size())
                ++i;
            program += value.at(i);
        }
    }
    return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QStringList defaultApplications(const QByteArray& mimeapps, const QString& mimeType) {
    const QByteArray value = groupValue(mimeapps, kDefaultGroup, mimeType.toUtf8());
    return QString::fromUtf8(value).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QByteArray withDefaultApplications(const QByteArray& mimeapps, const QStringList& mimeTypes,
                                   const QString& desktopId) {
    const auto lineFor = [&](const QByteArray& type) -> QByteArray {
        return type + '=' + desktopId.toUtf8() + ';';
    };
    QSet<QByteArray> wanted;
    for (const QString& type : mimeTypes)
        wanted.insert(type.toUtf8());

    // Lines of the group already there take the new value, keeping their line end.
    QList<Line> lines = splitLines(mimeapps);
    QSet<QByteArray> present;
    qsizetype header = -1;
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Line& line = lines[i];
        if (line.isGroup()) {
            inGroup = line.trimmed() == kDefaultGroup;
            if (inGroup && header < 0)
                header = i;
        } else if (inGroup && wanted.contains(line.key())) {
            present.insert(line.key());
            line.text = lineFor(line.key()) + (line.text.endsWith('\r') ? "\r" : "");
        }
    }
    if (header < 0) {
        if (!lines.isEmpty()) {
            lines.last().hasFeed = true;
            lines.append({QByteArray(), true});
        }
        lines.append({kDefaultGroup, true});
        header = lines.size() - 1;
    }
    // The others go at the top of the group, in the order given.
    qsizetype at = header + 1;
    for (const QString& type : mimeTypes) {
        const QByteArray key = type.toUtf8();
        if (present.contains(key))
            continue;
        present.insert(key);
        lines[at - 1].hasFeed = true;
        lines.insert(at++, {lineFor(key), true});
    }

    QByteArray out;
    for (const Line& line : std::as_const(lines))
        out += line.text + (line.hasFeed ? "\n" : "");
    return out;
}

} // namespace kelvane
