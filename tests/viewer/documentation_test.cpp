// The lists written out by hand beside the code (the README's effect table) agree with the
// tables the program is built from.
#include "recording_viewer.h"
#include "tests/support/temp_dir.h"
#include "viewer/effect_dialog_one.h"
#include "viewer/effect_dialog_two.h"
#include "engine/effects/effect_table.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace lumaskin {
namespace {

QString SourceFile(const char *name)
{
    return QString::fromStdString(test::ReadFile(test::SourceDir() / name));
}

// The cells of the table rows (below the header) of the README section `heading`.
std::vector<QStringList> ReadmeTable(const QString &heading)
{
    const QString readme = SourceFile("README.md");
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

QStringList Backticked(const QString &text)
{
    QStringList words;
    for (const auto &match : QRegularExpression(QStringLiteral("`([^`]+)`")).globalMatch(text))
        words << match.captured(1);
    return words;
}

const EffectArgument *FindArgument(const EffectDescriptor &effect, const QString &name)
{
    for (const EffectArgument &argument : effect.arguments)
        if (name == QLatin1String(argument.name.data(), qsizetype(argument.name.size())))
            return &argument;
    return nullptr;
}

// The distinct argument values each effect is first applied with by the two windows.
std::map<const EffectDescriptor *, std::set<double>> WindowStartingValues()
{
    std::map<const EffectDescriptor *, std::set<double>> values;
    test::RecordingMessages messages;
    EffectDialogOne one(nullptr, nullptr, messages);
    EffectDialogTwo two(nullptr, nullptr, messages);
    for (EffectDialog *window :
         {static_cast<EffectDialog *>(&one), static_cast<EffectDialog *>(&two)}) {
        std::ranges::fill(window->appliedFlags, 1);
        for (const EffectStep &step : window->MarkedSteps())
            values[step.effect].insert(step.arguments.begin(), step.arguments.end());
    }
    return values;
}

TEST(Documentation, ReadmeEffectTableMatchesTheEffectsAndTheWindows)
{
    const std::map<QString, double> words = {
        {"North", 0}, {"normal", 0}, {"grey", 0}, {"white", 0xFFFFFF}, {"black", 0}};
    const QRegularExpression range(QStringLiteral("^(-?[\\d.]+)\\.\\.(-?[\\d.]+)"));
    const QRegularExpression token(QStringLiteral("-?\\d+(?:\\.\\d+)?|[A-Za-z]+"));
    const auto starting = WindowStartingValues();
    std::set<const EffectDescriptor *> documented;
    for (const QStringList &row : ReadmeTable(QStringLiteral("Effects"))) {
        ASSERT_EQ(row.size(), 5) << row.join(u'|').toStdString();
        const QStringList names = Backticked(row[0]);
        ASSERT_EQ(names.size(), 1) << row[0].toStdString();
        SCOPED_TRACE(names[0].toStdString());
        const EffectDescriptor *effect = FindEffect(names[0].toStdString());
        ASSERT_NE(effect, nullptr);
        documented.insert(effect);

        // Arguments and range: "a, b: min..max; c: ...", every argument named.
        std::set<const EffectArgument *> named;
        if (row[1] != QStringLiteral("—")) {
            for (const QString &part : row[1].split(u';')) {
                const qsizetype colon = part.indexOf(u':');
                ASSERT_GT(colon, 0) << part.toStdString();
                const auto bounds = range.match(part.mid(colon + 1).trimmed());
                for (QString name : part.left(colon).split(u',')) {
                    name = name.trimmed().section(u' ', 0, 0);
                    const EffectArgument *argument = FindArgument(*effect, name);
                    ASSERT_NE(argument, nullptr) << name.toStdString();
                    named.insert(argument);
                    if (bounds.hasMatch()) {
                        EXPECT_EQ(bounds.captured(1).toDouble(), argument->minimum);
                        EXPECT_EQ(bounds.captured(2).toDouble(), argument->maximum);
                    }
                }
            }
        }
        EXPECT_EQ(named.size(), effect->arguments.size());

        // Leaves the picture alone at: one value for all, "name value", or none.
        const QStringList neutral = row[3].split(u' ');
        for (const EffectArgument &argument : effect->arguments) {
            if (row[3] == QStringLiteral("—")) {
                EXPECT_FALSE(argument.neutral.has_value()) << argument.name;
            } else if (neutral.size() == 1 && argument.neutral) {
                EXPECT_EQ(*argument.neutral, neutral[0].toDouble()) << argument.name;
            } else if (neutral.size() == 2 && FindArgument(*effect, neutral[0]) == &argument) {
                EXPECT_EQ(argument.neutral, std::optional(neutral[1].toDouble()));
            }
        }

        // Starts at: the values the windows first apply, words standing for list choices.
        std::set<double> shown;
        for (const auto &match : token.globalMatch(row[4])) {
            bool number = false;
            const double value = match.captured().toDouble(&number);
            if (number)
                shown.insert(value);
            else if (words.contains(match.captured()))
                shown.insert(words.at(match.captured()));
        }
        // An effect no window offers starts nowhere.
        const auto applied = starting.find(effect);
        if (applied == starting.end())
            EXPECT_EQ(row[4], QStringLiteral("—"));
        else
            EXPECT_EQ(shown, applied->second);
    }
    EXPECT_EQ(documented.size(), Effects().size());
}

TEST(Documentation, EffectWindowRowsMatchTheEffectTable)
{
    test::RecordingMessages messages;
    EffectDialogOne one(nullptr, nullptr, messages);
    EffectDialogTwo two(nullptr, nullptr, messages);
    for (const EffectDialog *window :
         {static_cast<EffectDialog *>(&one), static_cast<EffectDialog *>(&two)}) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        std::set<int> marks;
        std::set<int> reads;
        std::size_t edits = 0;
        for (const EffectWindowRow &row : window->Rows()) {
            SCOPED_TRACE(row.name);
            const EffectDescriptor *effect = FindEffect(row.effect);
            ASSERT_NE(effect, nullptr);
            marks.insert(row.mark);
            std::vector<bool> used(row.FieldCount(), false);
            for (std::size_t i = 0; i < EffectDescriptor::kMaxArguments; ++i) {
                const EffectWindowRow::Argument &source = row.arguments[i];
                if (i >= effect->arguments.size()) {
                    EXPECT_EQ(source.field, -1) << "more arguments than the effect takes";
                    continue;
                }
                if (source.field < 0)
                    continue;
                ASSERT_LT(static_cast<std::size_t>(source.field), used.size());
                used[static_cast<std::size_t>(source.field)] = true;
                // A list offers one entry for every value of its argument.
                const EffectWindowRow::Field &field =
                    row.fields[static_cast<std::size_t>(source.field)];
                if (field.kind == EffectWindowRow::Field::Kind::Choice) {
                    const EffectArgument &argument = effect->arguments[i];
                    EXPECT_EQ(argument.minimum, 0);
                    EXPECT_EQ(field.choices.size(), static_cast<std::size_t>(argument.maximum) + 1);
                }
            }
            EXPECT_EQ(std::ranges::count(used, false), 0) << "a field no argument takes";
            for (std::size_t i = 0; i < row.FieldCount(); ++i) {
                if (row.fields[i].kind == EffectWindowRow::Field::Kind::Choice)
                    continue;
                ++edits;
                reads.insert(row.fields[i].readOrder);
            }
        }
        // Every mark and reading place once, from 0 on.
        EXPECT_EQ(marks.size(), window->Rows().size());
        EXPECT_EQ(*marks.rbegin(), static_cast<int>(window->Rows().size()) - 1);
        EXPECT_EQ(reads.size(), edits);
        EXPECT_EQ(*reads.begin(), 0);
        EXPECT_EQ(*reads.rbegin(), static_cast<int>(edits) - 1);
    }
}

} // namespace
} // namespace lumaskin
