#include "favorites/bookmarkhtml.h"

#include <QHash>

namespace kelvane {

namespace {

QString decodeEntities(QStringView text) {
    static const QHash<QString, QChar> named = {
        {QStringLiteral("amp"), u'&'},
        {QStringLiteral("lt"), u'<'},
        {QStringLiteral("gt"), u'>'},
        {QStringLiteral("quot"), u'"'},
        {QStringLiteral("apos"), u'\''},
        {QStringLiteral("nbsp"), QChar(0xA0)},
        {QStringLiteral("copy"), QChar(0xA9)},
        {QStringLiteral("reg"), QChar(0xAE)},
        {QStringLiteral("laquo"), QChar(0xAB)},
        {QStringLiteral("raquo"), QChar(0xBB)},
        {QStringLiteral("mdash"), QChar(0x2014)},
        {QStringLiteral("ndash"), QChar(0x2013)},
    };
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const qsizetype end = c == u'&' ? text.indexOf(u';', i + 1) : -1;
        if (end < 0 || end - i > 10) {
            out += c;
            continue;
        }
        const QStringView name = text.sliced(i + 1, end - i - 1);
        char32_t code = 0;
        bool ok = false;
        if (name.startsWith(u'#')) {
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            ok = ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        } else if (const auto it = named.constFind(name.toString()); it != named.cend()) {
            code = it->unicode();
            ok = true;
        }
        if (!ok) {
            out += c;
            continue;
        }
        out += QString::fromUcs4(&code, 1);
        i = end;
    }
    return out;
}

QString escaped(const QString& text) {
    QString out = text.toHtmlEscaped();
    // Line ends would break the one-line entries other browsers expect.
    out.replace(u'\n', u' ').replace(u'\r', u' ');
    return out;
}

// The value of attribute name in the inside of a tag (what lies between "<" and ">").
QString attribute(QStringView tag, QLatin1String name) {
    qsizetype at = 0;
    while ((at = tag.indexOf(name, at, Qt::CaseInsensitive)) >= 0) {
        const bool startsWord = at > 0 && tag[at - 1].isSpace();
        qsizetype i = at + name.size();
        at = i;
        while (i < tag.size() && tag[i].isSpace())
            ++i;
        if (!startsWord || i >= tag.size() || tag[i] != u'=')
            continue;
        ++i;
        while (i < tag.size() && tag[i].isSpace())
            ++i;
        if (i >= tag.size())
            return {};
        const QChar quote = tag[i];
        if (quote == u'"' || quote == u'\'') {
            const qsizetype end = tag.indexOf(quote, i + 1);
            return decodeEntities(tag.sliced(i + 1, (end < 0 ? tag.size() : end) - i - 1));
        }
        qsizetype end = i;
        while (end < tag.size() && !tag[end].isSpace())
            ++end;
        return decodeEntities(tag.sliced(i, end - i));
    }
    return {};
}

// The tag's name in upper case: "DL", "/DL", "A", "H3"...
QString tagName(QStringView tag) {
    qsizetype end = tag.startsWith(u'/') ? 1 : 0;
    while (end < tag.size() && end < 16 && tag[end].isLetterOrNumber())
        ++end;
    return tag.first(end).toString().toUpper();
}

class HtmlReader {
public:
    explicit HtmlReader(const QString& text)
        : m_text(text) {
        m_stack.append({&m_root, 0});
    }

    Bookmark run() {
        qsizetype i = 0;
        while (i < m_text.size()) {
            const qsizetype open = m_text.indexOf(u'<', i);
            if (open < 0)
                break;
            if (QStringView(m_text).sliced(open).startsWith(QLatin1String("<!--"))) {
                const qsizetype end = m_text.indexOf(QLatin1String("-->"), open + 4);
                i = end < 0 ? m_text.size() : end + 3;
                continue;
            }
            const qsizetype close = m_text.indexOf(u'>', open + 1);
            if (close < 0)
                break; // a tag cut off by the end of the file
            const QStringView tag = QStringView(m_text).sliced(open + 1, close - open - 1);
            i = handleTag(tag, close + 1);
        }
        return m_root;
    }

private:
    // Handles one tag; returns where reading goes on.
    qsizetype handleTag(QStringView tag, qsizetype after) {
        const QString name = tagName(tag);
        if (name == QLatin1String("DL")) {
            // A list opens the folder its H3 announced; any other list stays in the current
            // folder, so that its closing tag has something to close.
            const Level current = m_stack.last();
            m_stack.append(m_pending ? Level{m_pending, current.depth + 1} : current);
            m_pending = nullptr;
        } else if (name == QLatin1String("/DL")) {
            m_pending = nullptr;
            if (m_stack.size() > 1)
                m_stack.removeLast();
        } else if (name == QLatin1String("H3")) {
            Bookmark folder;
            folder.title = textFrom(after);
            // Past the deepest folder, lists stay in the folder at that depth.
            if (m_stack.last().depth < kMaxBookmarkDepth) {
                m_pending = append(std::move(folder));
                return after;
            }
        } else if (name == QLatin1String("A")) {
            Bookmark link;
            link.kind = Bookmark::Kind::Link;
            link.url = attribute(tag, QLatin1String("HREF")).trimmed();
            link.title = textFrom(after);
            append(std::move(link));
        } else if (name == QLatin1String("HR")) {
            Bookmark separator;
            separator.kind = Bookmark::Kind::Separator;
            append(std::move(separator));
        }
        return after;
    }

    Bookmark* append(Bookmark&& node) {
        // The folder an H3 announced gets no list once something else follows it: it stays
        // empty, and the current folder may grow (which would move it).
        m_pending = nullptr;
        QList<Bookmark>& children = m_stack.last().folder->children;
        children.append(std::move(node));
        return &children.last();
    }

    // The text from position to the next tag, entities decoded, blanks at both ends removed.
    QString textFrom(qsizetype from) const {
        qsizetype end = m_text.indexOf(u'<', from);
        if (end < 0)
            end = m_text.size();
        return decodeEntities(QStringView(m_text).sliced(from, end - from)).simplified();
    }

    // A folder being read and how deep it lies.
    struct Level {
        Bookmark* folder;
        int depth;
    };

    const QString& m_text;
    Bookmark m_root;
    // The folders being read, outermost first; a folder appears again for a list that opened
    // no folder of its own.
    QList<Level> m_stack;
    Bookmark* m_pending = nullptr;
};

void writeChildren(QByteArray& out, const Bookmark& folder, int depth) {
    const QByteArray indent(4 * depth, ' ');
    for (const Bookmark& child : folder.children) {
        switch (child.kind) {
        case Bookmark::Kind::Folder:
            out += indent + "<DT><H3>" + escaped(child.title).toUtf8() + "</H3>\n";
            out += indent + "<DL><p>\n";
            writeChildren(out, child, depth + 1);
            out += indent + "</DL><p>\n";
            break;
        case Bookmark::Kind::Link:
            out += indent + "<DT><A HREF=\"" + escaped(child.url).toUtf8() + "\">" +
                   escaped(child.title).toUtf8() + "</A>\n";
            break;
        case Bookmark::Kind::Separator:
            out += indent + "<HR>\n";
            break;
        }
    }
}

} // namespace

bool looksLikeBookmarkHtml(const QByteArray& bytes) {
    const QByteArray head = bytes.left(4096);
    return head.contains("NETSCAPE-Bookmark-file-1") || bytes.contains("<DL") ||
           bytes.contains("<dl");
}

Bookmark readBookmarkHtml(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    return HtmlReader(text).run();
}

QByteArray writeBookmarkHtml(const Bookmark& root) {
    QByteArray out = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                     "<!-- This is an automatically generated file.\n"
                     "     It will be read and overwritten.\n"
                     "     DO NOT EDIT! -->\n"
                     "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                     "<TITLE>Bookmarks</TITLE>\n"
                     "<H1>Bookmarks</H1>\n"
                     "<DL><p>\n";
    writeChildren(out, root, 1);
    out += "</DL><p>\n";
    return out;
}

} // namespace kelvane
