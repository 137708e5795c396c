#include "notifier/start_page.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrlQuery>

// The page is compiled into a static library, whose resources are only linked in when asked.
static void InitStartPageResource()
{
    Q_INIT_RESOURCE(start_page);
}

namespace lumaskin {

namespace {

constexpr char kHost[] = "start";
const QString kPagePath = QStringLiteral("/myindex3.php");
// A skin name longer than this is cut; the page is a greeting, not a store for text.
constexpr int kMaxPcode = 64;

} // namespace

QUrl StartPageUrl(const QString &pcode, bool failed)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(kStartPageScheme));
    url.setHost(QString::fromLatin1(kHost));
    url.setPath(kPagePath);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("pcode"), pcode);
    if (failed)
        query.addQueryItem(QStringLiteral("failed"), QStringLiteral("1"));
    url.setQuery(query);
    return url;
}

std::optional<QString> StartPageReply(const QUrl &url)
{
    if (url.scheme() != QLatin1String(kStartPageScheme) || url.path() != kPagePath)
        return std::nullopt;
    InitStartPageResource();
    QFile file(QStringLiteral(":/notifier/start_page.html"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString page = QString::fromUtf8(file.readAll());
    QString skin = QUrlQuery(url)
                       .queryItemValue(QStringLiteral("pcode"), QUrl::FullyDecoded)
                       .trimmed()
                       .left(kMaxPcode);
    if (skin.isEmpty())
        skin = QStringLiteral("Lumaskin");
    const QString heading =
        QUrlQuery(url).hasQueryItem(QStringLiteral("failed"))
            ? QCoreApplication::translate("StartPage", "<p class=\"title\">Skin failed to load: "
                                                       "<span class=\"skin\">{{SKIN}}</span></p>")
            : QCoreApplication::translate(
                  "StartPage",
                  "<p class=\"title\">Skin loaded: <span class=\"skin\">{{SKIN}}</span></p>");
    page.replace(QStringLiteral("{{HEADING}}"), heading);
    // The page's own words, in the language of the program's texts.
    static const char *const hints[] = {
        QT_TRANSLATE_NOOP("StartPage", "<b>Add</b> pictures; <b>click a row</b> to view it."),
        QT_TRANSLATE_NOOP("StartPage", "<b>Zoom</b> from 25&nbsp;% to 200&nbsp;% and back."),
        QT_TRANSLATE_NOOP("StartPage", "<b>Change</b> beside an effect applies it."),
        QT_TRANSLATE_NOOP("StartPage", "<b>Restore</b> brings a picture back."),
        QT_TRANSLATE_NOOP("StartPage", "<b>Convert</b> writes them all in one format."),
        QT_TRANSLATE_NOOP("StartPage", "<b>Right-click</b> the window for other skins."),
    };
    QString items;
    for (const char *hint : hints)
        items += QStringLiteral("  <li>%1</li>\n").arg(QCoreApplication::translate("StartPage", hint));
    page.replace(QStringLiteral("{{INTRO}}"),
                 QCoreApplication::translate("StartPage", "Lumaskin adjusts and converts pictures:"));
    page.replace(QStringLiteral("{{HINTS}}"), items.trimmed());
    page.replace(QStringLiteral("{{CLOSE}}"),
                 QCoreApplication::translate("StartPage", "Click here to close this note."));
    page.replace(QStringLiteral("{{SKIN}}"), skin.toHtmlEscaped());
    return page;
}

} // namespace lumaskin
