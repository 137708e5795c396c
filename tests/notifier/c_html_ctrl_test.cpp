#include "notifier/c_html_ctrl.h"
#include "notifier/c_html_page.h"
#include "notifier/start_page_scheme.h"
#include "notifier/task_bar_window.h"
#include "tests/support/temp_dir.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

class RecordingPage : public CHtmlPage
{
public:
    using CHtmlPage::CHtmlPage;
    QStringList commands;

protected:
    void OnAppCommand(const QString &command) override { commands << command; }
};

TEST(CHtmlPageTest, AppLinksNeverNavigateInAnyLetterCase)
{
    RecordingPage page;
    for (const char *address : {"app:close", "APP:close", "aPp:close"})
        EXPECT_FALSE(page.acceptNavigationRequest(QUrl(QString::fromLatin1(address)),
                                                  QWebEnginePage::NavigationTypeLinkClicked, true))
            << address;
    EXPECT_EQ(page.commands, QStringList({"close", "close", "close"}));

    for (const char *address :
         {"https://example.org/app:x", "application:x", "lumaskin://start/myindex3.php?pcode=Blue"})
        EXPECT_TRUE(page.acceptNavigationRequest(QUrl(QString::fromLatin1(address)),
                                                 QWebEnginePage::NavigationTypeLinkClicked, true))
            << address;
    EXPECT_EQ(page.commands.size(), 3);
}

TEST(StartPageTest, ReplyShowsTheSkinNameSafely)
{
    const std::optional<QByteArray> page = StartPageReply(StartPageUrl(QStringLiteral("Purple")));
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->contains("<title>Purple - Lumaskin</title>"));
    EXPECT_FALSE(page->contains("{{SKIN}}"));

    const std::optional<QByteArray> hostile =
        StartPageReply(StartPageUrl(QStringLiteral("<script>x()</script>&")));
    ASSERT_TRUE(hostile);
    EXPECT_FALSE(hostile->contains("<script>"));
    EXPECT_TRUE(hostile->contains("&lt;script&gt;x()&lt;/script&gt;&amp;"));

    const std::optional<QByteArray> unnamed = StartPageReply(StartPageUrl({}));
    ASSERT_TRUE(unnamed);
    EXPECT_TRUE(unnamed->contains("<title>Lumaskin - Lumaskin</title>"));

    EXPECT_FALSE(StartPageReply(QUrl(QStringLiteral("lumaskin://start/other.php?pcode=a"))));
}

TEST(CHtmlCtrlTest, StartPageLoadsOfflineAndAClickClosesTheWindow)
{
    test::TempDir dir;
    QImage art(40, 60, QImage::Format_RGB32);
    art.fill(Qt::darkCyan);
    const QString path = QString::fromStdString((dir / "n.bmp").string());
    ASSERT_TRUE(art.save(path, "BMP"));

    QWidget parent;
    TaskBarWindow window;
    window.SetScreenAreasSource([] {
        return TaskBarWindow::ScreenAreas{QRect(0, 0, 800, 560), QRect(0, 0, 800, 600)};
    });
    window.SetHtmlViewFactory(StartPageViewFactory(QStringLiteral("Purple")));
    window.Create(&parent);
    auto *view = qobject_cast<CHtmlCtrl *>(window.HtmlView());
    ASSERT_NE(view, nullptr);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    window.SetSkinBitmap(path, 255, 0, 255);
    window.StartPopUp(300, 1000, 300, 1);

    ASSERT_TRUE(loaded.wait(60000));
    EXPECT_TRUE(loaded.takeFirst().at(0).toBool());
    EXPECT_EQ(view->title(), QStringLiteral("Purple - Lumaskin"));
    EXPECT_TRUE(view->Timers().IsTimerActive(HtmlViewTimers::kShownTimer));
    EXPECT_TRUE(view->Timers().IsTimerActive(HtmlViewTimers::kExpiredTimer));

    while (window.IsTimerActive(TaskBarWindow::SlideInTimer))
        window.OnTimer(TaskBarWindow::SlideInTimer);
    ASSERT_EQ(window.CurrentState(), TaskBarWindow::Shown);
    // The page is drawn by the view's child; a press there is a click into the page.
    QWidget *surface = view->focusProxy();
    ASSERT_NE(surface, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), surface->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(surface, &press);
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
}

} // namespace
} // namespace lumaskin
