// Every list of formats that leaves the program agrees with the format table: the end-to-end
// suite's copy of the window's list, the Add dialog's filter, lumaskin-convert's --help and its
// bash completion, the desktop entry and metainfo, the README and the man page.
#include "app/main_dialog.h"
#include "app/main_dialog_prompts.h"
#include "engine/convert_options.h"
#include "engine/formats.h"
#include "tests/support/temp_dir.h"

#include <QProcess>
#include <QRegularExpression>
#include <filesystem>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

QString SourceText(const char *name)
{
    return QString::fromStdString(test::ReadFile(test::SourceDir() / name));
}

// The text from `start` up to `end` (or the end of the text), both left out.
QString Between(const QString &text, const QString &start, const QString &end)
{
    const qsizetype from = text.indexOf(start);
    EXPECT_GE(from, 0) << start.toStdString();
    const qsizetype to = text.indexOf(end, from + start.size());
    return text.mid(from + start.size(), to < 0 ? -1 : to - from - start.size());
}

QStringList Matches(const QString &pattern, const QString &text)
{
    QStringList found;
    for (const auto &match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    return found;
}

// "a, b and c" as its items.
QStringList SpokenItems(const QString &text)
{
    return text.simplified().replace(QStringLiteral(" and "), QStringLiteral(", ")).split(", ");
}

QStringList Titles()
{
    QStringList titles;
    for (const FormatFamily &family : FormatFamilies())
        titles << family.title;
    return titles;
}

// The formats written that `has` holds for, in the window's order.
template <typename Has> QStringList WrittenWhere(Has has)
{
    QStringList extensions;
    for (const Format *format : WrittenFormats())
        if (has(*format))
            extensions << format->extension;
    return extensions;
}

const auto kQuality = [](const Format &format) { return format.hasQuality; };
const auto kMetadata = [](const Format &format) { return format.holdsMetadata; };

// Lists compared as text, so that a failure shows them.
std::string Text(const QStringList &list)
{
    return list.join(u'|').toStdString();
}

std::string Sorted(QStringList list)
{
    list.sort();
    return Text(list);
}

TEST(FormatLists, TheEndToEndSuitePicksFormatsByTheWindowsList)
{
    const QString list =
        Between(SourceText("tests/e2e/buttons_test.py"), "\nFORMATS = (", QStringLiteral(")"));
    EXPECT_EQ(Text(Matches("\"([^\"]+)\"", list)), Text(MainDialog::OutputFormatList()));
}

TEST(FormatLists, TheAddFilterOffersEveryPictureThenEachFormatThenEveryFile)
{
    const QStringList filters = QtMainDialogPrompts::NameFilters(MainDialog::ImageFilter());
    const QStringList titles = Titles();
    ASSERT_EQ(filters.size(), titles.size() + 2) << filters.join('\n').toStdString();
    EXPECT_TRUE(filters.first().startsWith("All pictures ("));
    EXPECT_EQ(filters.last().toStdString(), "All Files(*.*) (*)");
    for (const Format &format : Formats()) {
        const QString entry = filters[titles.indexOf(format.title) + 1];
        EXPECT_TRUE(entry.startsWith(format.title + " (")) << entry.toStdString();
        for (const QString &extension : format.extensionsRead) {
            const QString pattern = QStringLiteral("*.%1 ").arg(extension);
            EXPECT_TRUE(filters.first().contains(pattern)) << extension.toStdString();
            EXPECT_TRUE(entry.contains(pattern)) << extension.toStdString();
        }
    }
}

TEST(FormatLists, HelpAndItsCompletionNameEveryFormat)
{
    const QString help = ConvertHelpText();
    const QString written = Between(help, "\nFormats written: ", "\n");
    EXPECT_EQ(written.toStdString(), WritableFormats().join(' ').toStdString());
    const QString flat = help.simplified();
    const QString read = Between(flat, "Formats read: ", " (first frame or page)");
    EXPECT_EQ(Text(SpokenItems(read)), Text(Titles()));
    const QString keeping = Between(flat, "recognised by content. ", " keep the EXIF");
    EXPECT_EQ(Text(SpokenItems(keeping)), Text(WrittenWhere(kMetadata)));

    // The completion reads the formats from the help of the program it completes.
    test::TempDir dir;
    test::WriteFile(dir / "help.txt", help.toStdString());
    test::WriteFile(dir / "convert", "#!/bin/sh\ncat \"$(dirname \"$0\")/help.txt\"\n");
    std::filesystem::permissions(dir / "convert", std::filesystem::perms::owner_all);
    // What completing the last of `words` (after the program's name) offers.
    const auto complete = [&](const QString &words) {
        QProcess bash;
        bash.start(
            "bash",
            {"-c",
             "source \"$1\"; COMP_WORDS=(\"$2\" " + words +
                 "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                 "_lumaskin_convert; echo \"${COMPREPLY[*]}\"",
             "bash",
             QString::fromStdString(
                 (test::SourceDir() / "resources/completion/lumaskin-convert.bash").string()),
             QString::fromStdString((dir / "convert").string())});
        EXPECT_TRUE(bash.waitForFinished(30000));
        return bash.readAllStandardOutput().trimmed().toStdString();
    };
    EXPECT_EQ(complete("-f ''"), written.toStdString());
    // After "=", as bash splits "--format=": the same; values of the other options likewise.
    EXPECT_EQ(complete("--format = ''"), written.toStdString());
    EXPECT_EQ(complete("--if-exists = ''"), "overwrite skip rename");
    EXPECT_EQ(complete("-q 9"), "90 95");
}

TEST(FormatLists, TheDesktopEntryAndMetainfoOfferEveryMimeType)
{
    QStringList types;
    for (const Format &format : Formats())
        types << format.mimeTypes;
    types.removeDuplicates();
    const QString entry = QString::fromStdString(test::ReadFile(LUMASKIN_DESKTOP_ENTRY));
    EXPECT_EQ(Text(Between(entry, "\nMimeType=", "\n").split(';', Qt::SkipEmptyParts)),
              Text(types));
    const QString metainfo = QString::fromStdString(test::ReadFile(LUMASKIN_METAINFO));
    EXPECT_EQ(Text(Matches("<mediatype>([^<]+)</mediatype>", metainfo)), Text(types));
}

TEST(FormatLists, TheReadmeDescribesEveryFormat)
{
    const QString readme = SourceText("README.md");
    const QString section = Between(readme, "\n## Formats\n", "\n## ");
    QStringList documented;
    for (const QString &line : section.split('\n')) {
        if (!line.startsWith("| ") || line.startsWith("| format "))
            continue;
        const QStringList cells = line.split('|');
        ASSERT_EQ(cells.size(), 5) << line.toStdString();
        // "PNM (PBM, PGM, PPM)": the title, then other names for it.
        const QStringList titles =
            cells[1].trimmed().remove(QRegularExpression(" \\(.*\\)$")).split(", ");
        QStringList written;
        for (const FormatFamily &family : FormatFamilies())
            if (titles.contains(family.title))
                written << family.extensionsWritten;
        EXPECT_EQ(Sorted(Matches("`([^`]+)`", cells[3])), Sorted(written)) << line.toStdString();
        documented << titles;
    }
    EXPECT_EQ(Sorted(documented), Sorted(Titles()));
    const QString flat = readme.simplified();
    EXPECT_EQ(Text(Matches("`([^`]+)`", Between(flat, "go from the source into ", " files."))),
              Text(WrittenWhere(kMetadata)));
    EXPECT_EQ(Text(Matches("`([^`]+)`", Between(flat, "sets the quality of ", " (1 to 100"))),
              Text(WrittenWhere(kQuality)));
}

TEST(FormatLists, TheManPageDescribesEveryFormat)
{
    const QString man = SourceText("resources/man/lumaskin-convert.1.in");
    const QString section = Between(man, "\n.SH FORMATS\n", "\n.SH ");
    const QString read = Between(section, "multi-page files):\n", ".\n.PP");
    EXPECT_EQ(Sorted(SpokenItems(read)), Sorted(Titles()));
    QStringList written;
    for (const auto &match :
         QRegularExpression("\\.TP\\n\\.B (\\S+)\\n([^\\n]*)").globalMatch(section)) {
        written << match.captured(1);
        const Format *format = FindWrittenFormat(match.captured(1));
        ASSERT_NE(format, nullptr) << match.captured(1).toStdString();
        EXPECT_TRUE(match.captured(2).startsWith(format->title)) << match.captured(2).toStdString();
    }
    EXPECT_EQ(Text(written), Text(WritableFormats()));

    // The formats named in an option's paragraph: the words set in bold.
    const auto named = [&](const char *option) {
        QStringList words = Matches("\\n\\.BR? ([a-z0-9]+)\\b", Between(man, option, "\n.TP"));
        words.removeDuplicates();
        return words;
    };
    EXPECT_EQ(Sorted(named("\n.BI \\-q")), Sorted(WrittenWhere(kQuality)));
    EXPECT_EQ(Sorted(named("\n.B \\-\\-strip")), Sorted(WrittenWhere(kMetadata)));
    for (const QString &format : named("\n.BI \\-f"))
        EXPECT_TRUE(WritableFormats().contains(format)) << format.toStdString();
}

} // namespace
} // namespace lumaskin
