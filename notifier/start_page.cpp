#include "notifier/start_page_scheme.h"

#include <QBuffer>
#include <QFile>
#include <QUrlQuery>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

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

void RegisterStartPageScheme()
{
    QWebEngineUrlScheme scheme(kStartPageScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme |
                    QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl StartPageUrl(const QString &pcode)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(kStartPageScheme));
    url.setHost(QString::fromLatin1(kHost));
    url.setPath(kPagePath);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("pcode"), pcode);
    url.setQuery(query);
    return url;
}

std::optional<QByteArray> StartPageReply(const QUrl &url)
{
    if (url.path() != kPagePath)
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
    page.replace(QStringLiteral("{{SKIN}}"), skin.toHtmlEscaped());
    return page.toUtf8();
}

void StartPageSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    const std::optional<QByteArray> page = StartPageReply(job->requestUrl());
    if (!page) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The job owns the buffer and reads it after this returns.
    auto *buffer = new QBuffer(job);
    buffer->setData(*page);
    buffer->open(QIODevice::ReadOnly);
    job->reply(QByteArrayLiteral("text/html;charset=utf-8"), buffer);
}

void StartPageSchemeHandler::InstallOn(QWebEngineProfile *profile)
{
    if (!profile || profile->urlSchemeHandler(kStartPageScheme))
        return;
    profile->installUrlSchemeHandler(kStartPageScheme, new StartPageSchemeHandler(profile));
}

} // namespace lumaskin
