#include "notifier/html_view_timers.h"

#include "notifier/notifier_messages.h"

#include <QCoreApplication>
#include <QTimerEvent>

namespace lumaskin {

HtmlViewTimers::HtmlViewTimers(QObject *parent) : QObject(parent) {}

void HtmlViewTimers::OnPageLoaded(const QString &title)
{
    // The title is compared exactly: a page that names itself "KORVAN" asks not to be
    // reported as shown.
    if (title != QStringLiteral("KORVAN"))
        m_shownTimer.start(kShownMs, this);
    m_expiredTimer.start(kExpiredMs, this);
}

void HtmlViewTimers::OnMouseActivate()
{
    Post(static_cast<int>(NotifierMessage::PageClicked));
}

void HtmlViewTimers::OnTimer(int id)
{
    if (id == kShownTimer) {
        m_shownTimer.stop();
        Post(static_cast<int>(NotifierMessage::PageShown));
    } else if (id == kExpiredTimer) {
        m_expiredTimer.stop();
        Post(static_cast<int>(NotifierMessage::PageExpired));
    }
}

bool HtmlViewTimers::IsTimerActive(int id) const
{
    if (id == kShownTimer)
        return m_shownTimer.isActive();
    if (id == kExpiredTimer)
        return m_expiredTimer.isActive();
    return false;
}

void HtmlViewTimers::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_shownTimer.timerId())
        OnTimer(kShownTimer);
    else if (event->timerId() == m_expiredTimer.timerId())
        OnTimer(kExpiredTimer);
    else
        QObject::timerEvent(event);
}

void HtmlViewTimers::Post(int message)
{
    if (m_owner)
        QCoreApplication::postEvent(
            m_owner, new QEvent(NotifierEventType(static_cast<NotifierMessage>(message))));
}

} // namespace lumaskin
