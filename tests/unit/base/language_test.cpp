// The language is chosen as gettext chooses it, translations keep their mnemonics and
// placeholders, and no shown text bypasses the translation.
#include "base/language.h"
#include "base/stringtable.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(Language, ChosenFromTheLocaleVariablesAsGettextDoes) {
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG, the language chosen ("" = English).
    // clang-format off
    const char* const cases[][5] = {
        {"", "", "", "de_DE.UTF-8", "de"}, {"", "", "", "fr_FR.UTF-8", "fr"},
        {"", "", "", "pt_BR.UTF-8", ""}, {"", "", "", "", ""}, {"", "", "", "C.UTF-8", ""},
        {"", "", "", "de_AT.UTF-8@euro", "de"}, {"", "", "fr_CA", "de_DE", "fr"},
        {"", "de_DE", "fr_FR", "", "de"}, {"pt_BR:fr:de", "", "", "pt_BR.UTF-8", "fr"},
        {"en_GB:de", "", "", "de_DE", ""}, {"fr", "C", "", "de_DE", ""}, {"fr", "", "", "", "fr"}};
    // clang-format on
    for (const auto& c : cases) {
        const auto environment = [&](const char* name) {
            const QList<QByteArray> names = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
            return QString::fromUtf8(c[names.indexOf(name)]);
        };
        EXPECT_EQ(chooseLanguage(environment, translatedLanguages()), c[4]) << c[0] << c[3];
    }
}

// What a translation must keep: the mnemonic mark, the placeholders, a shortcut after a tab.
QStringList marksOf(QString text) {
    static const QRegularExpression mark(QStringLiteral("&(?=[^&\\s])|%L?\\d|\\t.*$"));
    QStringList found;
    for (const auto& match : mark.globalMatch(text.remove(QStringLiteral("&&"))))
        found << (match.captured().startsWith(u'\t') ? QStringLiteral("\t") : match.captured());
    found.removeDuplicates(); // the forms of a count's translation each hold them
    found.sort();
    return found;
}

TEST(Language, TranslationsKeepMarksAndTheTableItsTexts) {
    QSet<QString> tableTexts;
    for (int id : tableIdentifiers())
        tableTexts.insert(tableString(id));
    const QDir folder(QStringLiteral(KELVANE_SOURCE_DIR "/../translations"));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")});
    EXPECT_EQ(files.size(), 2 * translatedLanguages().size());
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        QSet<QString> tableSources;
        int translated = 0;
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            if (xml.name() == u"name" && xml.isStartElement())
                context = xml.readElementText();
            if (xml.name() == u"source" && xml.isStartElement()) {
                source = xml.readElementText();
                EXPECT_TRUE(context != u"StringTable" || tableTexts.contains(source))
                    << source.toStdString();
                tableSources.insert(source);
            }
            if (xml.name() != u"translation" || !xml.isStartElement())
                continue;
            // Unfinished, or kept for a text the program no longer has.
            EXPECT_TRUE(xml.attributes().value(QStringLiteral("type")).isEmpty())
                << name.toStdString() << ": " << source.toStdString();
            const QString translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            translated += !translation.isEmpty();
            EXPECT_TRUE(translation.isEmpty() || marksOf(translation) == marksOf(source))
                << name.toStdString() << ": " << source.toStdString();
        }
        EXPECT_FALSE(xml.hasError()) << name.toStdString();
        EXPECT_GT(translated, 100) << name.toStdString();
        // Every text of the table is there, but names and version numbers, kept as they are.
        const QSet<int> kept = {100, 102, 105, 106, 107, 109, 1053, 1064, 1120, 3511};
        for (int id : tableIdentifiers()) {
            EXPECT_TRUE(!name.startsWith("stringtable") || kept.contains(id) ||
                        tableSources.contains(tableString(id)))
                << name.toStdString() << ": " << id;
        }
    }
}

TEST(Language, ShownTextsGoThroughTheTranslation) {
    // A call that shows its text arguments; what remains of them once the translated texts
    // are taken out may hold no literal with words (resource paths and key names aside).
    static const QRegularExpression call(QStringLiteral(
        R"(\b(item|hookItem|submenu|set(Text|WindowTitle|ToolTip|StatusTip|WhatsThis|)"
        R"(PlaceholderText|AccessibleName|AccessibleDescription|Title|LabelText|TabText|Status)|add(Action|)"
        R"(Button|Items?|Tab|Menu)|showMessage|QMessageBox::\w+|Q(Menu|Action|PushButton|Label|)"
        R"(CheckBox|GroupBox))\()"));
    static const QRegularExpression translated(QStringLiteral(
        R"re(\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\((?:[^()"]|"(?:[^"\\]|\\.)*")*\))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    static const QRegularExpression wordy(QStringLiteral(
        R"(^(?!:/|((((Ctrl|Shift|Alt)\+)+(\w+|[-+=])|F\d+)(; |$))+$).*[A-Za-z]{2})"));
    const QString src = QStringLiteral(KELVANE_SOURCE_DIR);
    QStringList bypassing;
    QDirIterator it(src, {QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto& found : call.globalMatch(text)) {
            // The arguments, to the closing parenthesis (none of our texts holds one).
            qsizetype end = found.capturedEnd(), depth = 1;
            for (bool quoted = false; end < text.size() && depth > 0; ++end) {
                quoted ^= text[end] == u'"' && text[end - 1] != u'\\';
                depth += quoted ? 0 : (text[end] == u'(') - (text[end] == u')');
            }
            const QString arguments =
                text.mid(found.capturedEnd(), end - found.capturedEnd()).remove(translated);
            for (const auto& shown : literal.globalMatch(arguments)) {
                if (wordy.match(shown.captured(1)).hasMatch())
                    bypassing << it.filePath().mid(src.size() + 1) + u": " + shown.captured();
            }
        }
    }
    // Window designs: a text kept from translation is an identifier, or the product's name.
    static const QRegularExpression kept(QStringLiteral(R"(<string notr="true">([^<]*)<)"));
    QDirIterator designs(src, {QStringLiteral("*.ui")}, QDir::Files, QDirIterator::Subdirectories);
    while (designs.hasNext()) {
        QFile file(designs.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const auto& text : kept.globalMatch(QString::fromUtf8(file.readAll())))
            if (wordy.match(text.captured(1)).hasMatch() && text.captured(1) != u"Kelvane")
                bypassing << designs.filePath().mid(src.size() + 1) + u": " + text.captured(1);
    }
    EXPECT_TRUE(bypassing.isEmpty()) << bypassing.join(u'\n').toStdString();
}

} // namespace
