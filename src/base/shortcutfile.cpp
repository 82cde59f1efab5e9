#include "base/shortcutfile.h"

#include "base/controlcharacters.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QUrl>

#include <optional>

namespace kelvane {

namespace {

// A shortcut is a few lines; anything this long is not one and is neither read nor rewritten.
constexpr qint64 kMaxShortcutBytes = 1 << 20;

const QLatin1String kSection("InternetShortcut");
const QLatin1String kWideSection("InternetShortcut.W");
const QLatin1String kKey("URL");

// Windows-1252 at 0x80..0x9F; the rest of the code page is Latin-1. The five unassigned bytes
// keep their C1 code, as Windows' own conversion does.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
    }
    return text;
}

QString fromEightBit(const QByteArray& line) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(line);
    return utf8.hasError() ? fromWindows1252(line) : text;
}

// Lines end in CR LF, LF or a lone CR; a final line end adds no empty line.
template <typename Text> QList<Text> splitLines(const Text& text) {
    QList<Text> lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end + 1 < size && text[end] == u'\r' && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

// A shortcut's lines as decoded text and, for an 8-bit file, as stored, so that a rewrite keeps
// every line it does not change byte for byte.
struct ShortcutLines {
    enum class Form { EightBit, Utf16LE, Utf16BE };
    Form form = Form::EightBit;
    QByteArray utf8Mark;
    QList<QByteArray> stored;
    QStringList text;

    void set(qsizetype i, const QString& line) {
        text[i] = line;
        if (form == Form::EightBit)
            stored[i] = line.toUtf8();
    }
    void insert(qsizetype i, const QString& line) {
        text.insert(i, line);
        if (form == Form::EightBit)
            stored.insert(i, line.toUtf8());
    }
};

ShortcutLines decodeLines(const QByteArray& bytes) {
    ShortcutLines lines;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.front() == '\xFF';
        lines.form = little ? ShortcutLines::Form::Utf16LE : ShortcutLines::Form::Utf16BE;
        QStringDecoder utf16(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        lines.text = splitLines(QString(utf16.decode(QByteArrayView(bytes).sliced(2))));
        return lines;
    }
    const qsizetype markSize = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    lines.utf8Mark = bytes.left(markSize);
    lines.stored = splitLines(bytes.mid(markSize));
    lines.text.reserve(lines.stored.size());
    for (const QByteArray& line : std::as_const(lines.stored))
        lines.text.append(fromEightBit(line));
    return lines;
}

QByteArray encodeLines(const ShortcutLines& lines) {
    if (lines.form == ShortcutLines::Form::EightBit)
        return lines.utf8Mark + lines.stored.join("\r\n") + "\r\n";
    const bool little = lines.form == ShortcutLines::Form::Utf16LE;
    QStringEncoder utf16(little ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                         QStringEncoder::Flag::WriteBom);
    return utf16.encode(lines.text.join(QLatin1String("\r\n")) + QLatin1String("\r\n"));
}

// Missing: no lines. Unreadable or too large to be a shortcut: nothing.
std::optional<ShortcutLines> loadLines(const QString& filePath) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return file.exists() ? std::nullopt : std::optional(ShortcutLines());
    // Read by its size: asking for the most a shortcut may hold would reserve that much.
    const qint64 size = file.size();
    if (size > kMaxShortcutBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return decodeLines(bytes);
}

QStringView trimControls(QStringView line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line[begin].unicode() < 33)
        ++begin;
    while (end > begin && line[end - 1].unicode() < 33)
        --end;
    return line.mid(begin, end - begin);
}

// One line of initialisation-file text: a section header, a key with its value, or neither.
struct IniLine {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    QStringView name;
    QStringView value;
};

IniLine parseLine(QStringView line) {
    line = trimControls(line);
    if (line.startsWith(u'[')) {
        QStringView inner = line.mid(1);
        const qsizetype close = inner.indexOf(u']');
        if (close >= 0)
            inner = inner.left(close);
        return {IniLine::Kind::Section, inner.trimmed(), {}};
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0)
        return {};
    return {IniLine::Kind::Key, line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
}

bool isNamed(QStringView name, QLatin1String wanted) {
    return name.compare(wanted, Qt::CaseInsensitive) == 0;
}

// Where the address lives in a shortcut's lines: the first URL key of the first sections named
// InternetShortcut and InternetShortcut.W, and the last line of the first InternetShortcut
// section (where a missing key goes). -1 for what is not there.
struct AddressLines {
    qsizetype plain = -1;
    qsizetype wide = -1;
    qsizetype plainSectionEnd = -1;
};

AddressLines findAddressLines(const QStringList& lines) {
    AddressLines found;
    enum class Section { Other, Plain, Wide } section = Section::Other;
    bool plainSectionSeen = false;
    bool inFirstPlainSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IniLine line = parseLine(lines.at(i));
        if (line.kind == IniLine::Kind::Section) {
            section = isNamed(line.name, kSection)       ? Section::Plain
                      : isNamed(line.name, kWideSection) ? Section::Wide
                                                         : Section::Other;
            inFirstPlainSection = section == Section::Plain && !plainSectionSeen;
            if (inFirstPlainSection) {
                plainSectionSeen = true;
                found.plainSectionEnd = i;
            }
            continue;
        }
        if (inFirstPlainSection && line.kind != IniLine::Kind::Other)
            found.plainSectionEnd = i;
        if (line.kind != IniLine::Kind::Key || !isNamed(line.name, kKey))
            continue;
        if (section == Section::Plain && found.plain < 0)
            found.plain = i;
        else if (section == Section::Wide && found.wide < 0)
            found.wide = i;
    }
    return found;
}

int base64Value(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 26;
    if (c >= u'0' && c <= u'9')
        return c - u'0' + 52;
    if (c == u'+')
        return 62;
    if (c == u'/')
        return 63;
    return -1;
}

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

bool writtenDirectly(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'+';
}

} // namespace

QString readShortcutUrl(const QString& filePath) {
    const std::optional<ShortcutLines> lines = loadLines(filePath);
    if (!lines)
        return {};
    const AddressLines found = findAddressLines(lines->text);
    if (found.wide >= 0) {
        const QString wide =
            withoutControlCharacters(fromUtf7(parseLine(lines->text.at(found.wide)).value));
        if (!wide.isEmpty())
            return wide;
    }
    return found.plain >= 0 ? withoutControlCharacters(parseLine(lines->text.at(found.plain)).value)
                            : QString();
}

QString shortcutUrl(const QString& path) {
    const QString exact = path + QStringLiteral(".url");
    if (QFileInfo::exists(exact))
        return readShortcutUrl(exact);
    // File names are case-sensitive here: look for the same name with the extension in
    // another case.
    const QFileInfo info(exact);
    const QStringList matches =
        info.dir().entryList({info.fileName()}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : matches) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return readShortcutUrl(info.dir().filePath(name));
    }
    return {};
}

QString shortcutPathOf(const QString& text) {
    if (!text.endsWith(QLatin1String(".url"), Qt::CaseInsensitive))
        return {};
    // A web address, or a search for one, may end so too: it is the engine's to load.
    const QUrl url(text);
    if (url.scheme() == QLatin1String("file"))
        return url.toLocalFile();
    if (QDir::isAbsolutePath(text) || (url.scheme().isEmpty() && QFileInfo(text).isFile()))
        return text;
    return {};
}

bool writeShortcutUrl(const QString& filePath, const QString& url) {
    std::optional<ShortcutLines> lines = loadLines(filePath);
    if (!lines)
        return false;
    const QString address = withoutControlCharacters(url);

    const AddressLines found = findAddressLines(lines->text);
    const QString line = kKey + u'=' + address;
    if (found.plain >= 0) {
        lines->set(found.plain, line);
    } else if (found.plainSectionEnd >= 0) {
        lines->insert(found.plainSectionEnd + 1, line);
    } else {
        lines->insert(lines->text.size(), u'[' + kSection + u']');
        lines->insert(lines->text.size(), line);
    }
    // The wide address wins when read back, so it must not keep the old one. A line inserted
    // into the section above it moved it down by one.
    if (found.wide >= 0) {
        const bool movedDown =
            found.plain < 0 && found.plainSectionEnd >= 0 && found.wide > found.plainSectionEnd;
        const qsizetype wide = found.wide + (movedDown ? 1 : 0);
        lines->set(wide, kKey + u'=' + toUtf7(address));
    }

    QSaveFile file(filePath);
    if (!openPrivate(file))
        return false;
    file.write(encodeLines(*lines));
    return file.commit();
}

QString fromUtf7(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'+') {
            out.append(text[i]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'-') {
            out.append(u'+');
            ++i;
            continue;
        }
        // A run of base64 holding UTF-16 code units, ended by '-' (absorbed) or by any other
        // character (kept).
        quint32 bits = 0;
        int count = 0;
        for (++i; i < text.size(); ++i) {
            const int value = base64Value(text[i].unicode());
            if (value < 0)
                break;
            bits = (bits << 6) | quint32(value);
            count += 6;
            if (count >= 16) {
                count -= 16;
                out.append(QChar(char16_t(bits >> count)));
                bits &= (1u << count) - 1;
            }
        }
        if (i < text.size() && text[i] != u'-')
            out.append(text[i]);
    }
    return out;
}

QString toUtf7(QStringView text) {
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u'+') {
            out.append(QLatin1String("+-"));
            ++i;
            continue;
        }
        if (writtenDirectly(text[i])) {
            out.append(text[i]);
            ++i;
            continue;
        }
        out.append(u'+');
        quint32 bits = 0;
        int count = 0;
        for (; i < text.size() && !writtenDirectly(text[i]) && text[i] != u'+'; ++i) {
            bits = (bits << 16) | text[i].unicode();
            count += 16;
            while (count >= 6) {
                count -= 6;
                out.append(QLatin1Char(kBase64[(bits >> count) & 63]));
            }
            bits &= (1u << count) - 1;
        }
        if (count > 0)
            out.append(QLatin1Char(kBase64[(bits << (6 - count)) & 63]));
        out.append(u'-');
    }
    return out;
}

} // namespace kelvane
