#include "notifier/html_view_timers.h"
#include "notifier/notifier_messages.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace lumaskin {
namespace {

// Records the notifier messages posted to it.
class MessageSink : public QObject
{
public:
    std::vector<int> messages;

protected:
    bool event(QEvent *event) override
    {
        for (NotifierMessage m : {NotifierMessage::PageShown, NotifierMessage::PageExpired,
                                  NotifierMessage::PageClicked}) {
            if (event->type() == NotifierEventType(m)) {
                messages.push_back(static_cast<int>(m));
                return true;
            }
        }
        return QObject::event(event);
    }
};

TEST(HtmlViewTimersTest, TitleDecidesWhichTimersStart)
{
    HtmlViewTimers timers;
    timers.OnPageLoaded(QStringLiteral("KORVAN"));
    EXPECT_FALSE(timers.IsTimerActive(HtmlViewTimers::kShownTimer));
    EXPECT_TRUE(timers.IsTimerActive(HtmlViewTimers::kExpiredTimer));

    // Exact, case-sensitive comparison.
    HtmlViewTimers other;
    other.OnPageLoaded(QStringLiteral("Korvan"));
    EXPECT_TRUE(other.IsTimerActive(HtmlViewTimers::kShownTimer));
    EXPECT_TRUE(other.IsTimerActive(HtmlViewTimers::kExpiredTimer));
}

TEST(HtmlViewTimersTest, TimersAndClicksPostTheirMessagesOnce)
{
    MessageSink sink;
    HtmlViewTimers timers;
    timers.SetOwner(&sink);
    timers.OnPageLoaded(QStringLiteral("Welcome"));

    timers.OnTimer(HtmlViewTimers::kShownTimer);
    EXPECT_FALSE(timers.IsTimerActive(HtmlViewTimers::kShownTimer));
    timers.OnTimer(HtmlViewTimers::kExpiredTimer);
    EXPECT_FALSE(timers.IsTimerActive(HtmlViewTimers::kExpiredTimer));
    timers.OnMouseActivate();
    QCoreApplication::sendPostedEvents(&sink);
    EXPECT_EQ(sink.messages, (std::vector<int>{1124, 1125, 1126}));
}

TEST(HtmlViewTimersTest, RealShownTimerFiresAfterASecond)
{
    MessageSink sink;
    HtmlViewTimers timers;
    timers.SetOwner(&sink);
    timers.OnPageLoaded(QStringLiteral("Welcome"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sink.messages.empty(); }, 3000));
    EXPECT_EQ(sink.messages, std::vector<int>{1124});
}

TEST(HtmlViewTimersTest, AGoneOwnerGetsNothing)
{
    HtmlViewTimers timers;
    {
        MessageSink sink;
        timers.SetOwner(&sink);
    }
    EXPECT_EQ(timers.Owner(), nullptr);
    timers.OnMouseActivate(); // must not post to a deleted object
    QCoreApplication::sendPostedEvents();
}

} // namespace
} // namespace lumaskin
