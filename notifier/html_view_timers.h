#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPointer>
#include <QString>

namespace lumaskin {

// The clock of the notifier's page view: after a page has loaded it posts "page shown" one
// second later (unless the page is titled "KORVAN") and "page expired" 30 seconds later to
// its owner, and "page clicked" at once when the page is clicked. Kept apart from the web
// view so the rule runs and is tested without a browser engine.
class HtmlViewTimers : public QObject
{
    Q_OBJECT
public:
    static constexpr int kShownTimer = 1001;
    static constexpr int kExpiredTimer = 2001;
    static constexpr int kShownMs = 1000;
    static constexpr int kExpiredMs = 30000;

    explicit HtmlViewTimers(QObject *parent = nullptr);

    // The window that receives the messages; held weakly, as the view may outlive it.
    void SetOwner(QObject *owner) { m_owner = owner; }
    QObject *Owner() const { return m_owner; }

    // A page finished loading with this title.
    void OnPageLoaded(const QString &title);
    // The page was activated by a mouse click.
    void OnMouseActivate();
    // One tick of timer 1001 or 2001; each fires once.
    void OnTimer(int id);

    bool IsTimerActive(int id) const;

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void Post(int message);

    QPointer<QObject> m_owner;
    QBasicTimer m_shownTimer;
    QBasicTimer m_expiredTimer;
};

} // namespace lumaskin
