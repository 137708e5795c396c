#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace lumaskin {

// The notifier's start page is the program's own, so it shows without a network.
inline constexpr char kStartPageScheme[] = "lumaskin";

// The start page's address; `pcode` names the skin just loaded, or that failed to load.
QUrl StartPageUrl(const QString &pcode, bool failed = false);

// The HTML for a start-page address: the page at "/myindex3.php" with the "pcode" value
// shown as the skin's name, said to have loaded or (with "failed") not; nothing for any other
// address.
std::optional<QString> StartPageReply(const QUrl &url);

} // namespace lumaskin
