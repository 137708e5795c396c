#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>
#include <optional>

class QWebEngineProfile;

namespace lumaskin {

// The notifier's start page is served by the program itself, so it shows without a network.
inline constexpr char kStartPageScheme[] = "lumaskin";

// Registers the start page's scheme with the web engine. Must run before the QApplication is
// created; the program's main calls it first thing.
void RegisterStartPageScheme();

// The start page's address; `pcode` names the skin just loaded.
QUrl StartPageUrl(const QString &pcode);

// The HTML for a start-page address: the page at "/myindex3.php" with the "pcode" value
// shown as the skin's name; nothing for any other path.
std::optional<QByteArray> StartPageReply(const QUrl &url);

// Answers the start page's requests from StartPageReply.
class StartPageSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob *job) override;

    // Installs one handler on the profile (owned by it) unless it already has one.
    static void InstallOn(QWebEngineProfile *profile);
};

} // namespace lumaskin
