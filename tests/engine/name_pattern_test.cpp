#include "engine/name_pattern.h"

#include <gtest/gtest.h>

namespace lumaskin {
namespace {

NameFields Photo()
{
    NameFields fields;
    fields.name = QStringLiteral("IMG_0042");
    fields.ext = QStringLiteral("JPG");
    fields.folder = QStringLiteral("holiday");
    fields.place = 7;
    fields.date = QDateTime(QDate(2021, 5, 6), QTime(7, 8, 9));
    fields.size = QSize(4032, 3024);
    return fields;
}

TEST(NamePattern, TokensWidthsAndDatesGiveTheirValues)
{
    const struct
    {
        const char *pattern;
        const char *name;
    } cases[] = {
        {"{name}", "IMG_0042"},
        {"{folder}-{name}.{ext}", "holiday-IMG_0042.JPG"},
        {"{n}", "7"},
        {"{n:03}", "007"},
        {"{n:3,100}", "106"},
        {"{n:,0}", "6"},
        {"{n:1}", "7"},
        {"{date}", "2021-05-06"},
        {"{date:%Y%m%d-%H%M%S}", "20210506-070809"},
        {"{date:%y.%m.%d %%}", "21.05.06 %"},
        {"{date:%Y/%m}/{name}", "2021/05/IMG_0042"},
        {"{w}x{h}", "4032x3024"},
        {"{{{name}}}", "{IMG_0042}"},
        {"a b/c.d/..e", "a b/c.d/..e"},
        {"{name}/..", "IMG_0042/.."}, // the file's name, with the extension yet to follow
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pattern);
        QString error;
        const auto pattern = NamePattern::Parse(QString::fromUtf8(c.pattern), &error);
        ASSERT_TRUE(pattern) << error.toStdString();
        EXPECT_EQ(pattern->Expand(Photo(), &error), QString::fromUtf8(c.name));
    }
    QString error;
    EXPECT_TRUE(NamePattern::Parse(QStringLiteral("{date:%H}"), &error)->UsesDate());
    EXPECT_FALSE(NamePattern::Parse(QStringLiteral("{date:%H}"), &error)->UsesSize());
    EXPECT_TRUE(NamePattern::Parse(QStringLiteral("{h}"), &error)->UsesSize());
    EXPECT_FALSE(NamePattern::Parse(QStringLiteral("{n}{name}"), &error)->UsesDate());
}

TEST(NamePattern, MistakesAreRefusedNamingTheFault)
{
    const struct
    {
        const char *pattern;
        const char *says;
    } cases[] = {
        {"", "empty"},
        {"{nam}", "{nam}"},
        {"{N}", "{N}"},
        {"{name", "not closed"},
        {"name}", "alone"},
        {"{name:x}", "no format"},
        {"{n:0}", "width"},
        {"{n:-3}", "width"},
        {"{n:3,}", "start"},
        {"{n:3,-1}", "start"},
        {"{n:3,1,2}", "width"},
        {"{n:99}", "width"},
        {"{date:}", "empty"},
        {"{date:%Q}", "%Q"},
        {"{date:%Y%}", "lone %"},
        {"/{name}", "starts with /"},
        {"{date:/%Y}", "starts with /"},
        {"a//{name}", "empty part"},
        {"{name}/", "empty part"},
        {"../{name}", "\"..\""},
        {"a/./{name}", "\".\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pattern);
        QString error;
        EXPECT_FALSE(NamePattern::Parse(QString::fromUtf8(c.pattern), &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.says))) << error.toStdString();
    }
}

// Values that only the file gives can still make a bad name; each such picture is refused.
TEST(NamePattern, ValuesThatLeaveTheFolderAreRefused)
{
    QString error;
    const auto byExtension = NamePattern::Parse(QStringLiteral("{ext}/{name}"), &error);
    ASSERT_TRUE(byExtension);
    NameFields fields = Photo();
    fields.ext.clear();
    EXPECT_FALSE(byExtension->Expand(fields, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("\"/IMG_0042\", which has an empty part")))
        << error.toStdString();
    const auto byName = NamePattern::Parse(QStringLiteral("{name}/{n}"), &error);
    fields.name = QStringLiteral("..");
    EXPECT_FALSE(byName->Expand(fields, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("\"..\""))) << error.toStdString();
}

} // namespace
} // namespace lumaskin
