// The lists written out by hand beside the code (the README's format table, the end-to-end
// suite's format list) agree with the tables the program is built from.
#include "tests/support/temp_dir.h"
#include "viewercontrol/output_formats.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

QString sourceFile(const char *name)
{
    return QString::fromStdString(test::readFile(test::sourceDir() / name));
}

// The cells of the table rows (below the header) of the README section `heading`.
std::vector<QStringList> readmeTable(const QString &heading)
{
    const QString readme = sourceFile("README.md");
    const qsizetype start = readme.indexOf(QStringLiteral("\n## ") + heading + u'\n');
    EXPECT_GE(start, 0) << heading.toStdString();
    const qsizetype end = readme.indexOf(QStringLiteral("\n## "), start + 1);
    std::vector<QStringList> rows;
    bool body = false;
    for (const QString &line : readme.mid(start, end - start).split(u'\n')) {
        if (!line.startsWith(u'|'))
            continue;
        if (line.startsWith(QStringLiteral("|---"))) {
            body = true;
            continue;
        }
        if (!body)
            continue;
        QStringList cells = line.split(u'|');
        cells = cells.mid(1, cells.size() - 2);
        for (QString &cell : cells)
            cell = cell.trimmed().replace(QChar(0x2212), u'-'); // the typographic minus
        rows.push_back(cells);
    }
    EXPECT_FALSE(rows.empty()) << heading.toStdString();
    return rows;
}

QStringList backticked(const QString &text)
{
    QStringList words;
    for (const auto &match : QRegularExpression(QStringLiteral("`([^`]+)`")).globalMatch(text))
        words << match.captured(1);
    return words;
}

TEST(Documentation, FormatListsMatchTheFormatTable)
{
    QStringList written;
    for (const QStringList &row : readmeTable(QStringLiteral("Formats")))
        written << backticked(row.value(2));
    written.sort();
    QStringList writable = WritableFormats();
    writable.sort();
    EXPECT_EQ(written.join(u' ').toStdString(), writable.join(u' ').toStdString());

    // The end-to-end suite picks formats by the rows of the main window's list.
    const QString script = sourceFile("tests/e2e/buttons_test.py");
    const auto list =
        QRegularExpression(QStringLiteral("\\nFORMATS = \\(([^)]*)\\)")).match(script);
    ASSERT_TRUE(list.hasMatch());
    QStringList e2e;
    for (const auto &match :
         QRegularExpression(QStringLiteral("\"([^\"]+)\"")).globalMatch(list.captured(1)))
        e2e << match.captured(1);
    QStringList labels;
    for (const OutputFormat &format : OutputFormats())
        labels << format.labelText();
    EXPECT_EQ(e2e.join(u' ').toStdString(), labels.join(u' ').toStdString());
}

} // namespace
} // namespace lumaskin
