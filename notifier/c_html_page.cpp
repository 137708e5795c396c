#include "notifier/c_html_page.h"

namespace lumaskin {

namespace {
const QString kAppPrefix = QStringLiteral("app:");
}

bool CHtmlPage::acceptNavigationRequest(const QUrl &url, NavigationType, bool)
{
    const QString address = url.toString();
    if (address.startsWith(kAppPrefix, Qt::CaseInsensitive)) {
        OnAppCommand(address.mid(kAppPrefix.size()));
        return false;
    }
    return true;
}

void CHtmlPage::OnAppCommand(const QString &) {}

} // namespace lumaskin
