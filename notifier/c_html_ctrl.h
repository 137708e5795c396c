#pragma once

#include "notifier/html_view_timers.h"
#include "notifier/task_bar_window.h"

#include <QTextBrowser>

namespace lumaskin {

// The notifier's page view: a light HTML view of the program's own start page. It reports to
// its owner, the task-bar window: the page shown (one second after a load, unless titled
// "KORVAN"), expired (30 seconds after a load) and clicked. Links never navigate: "app:"
// links (in any letter case) are commands for the program, web links open in the user's
// browser.
class CHtmlCtrl : public QTextBrowser
{
    Q_OBJECT
public:
    // The parent is also the owner that receives the messages.
    explicit CHtmlCtrl(QWidget *parent = nullptr);
    ~CHtmlCtrl() override;

    void SetOwner(QObject *owner) { m_timers.SetOwner(owner); }
    // Shows the program's own start page for the skin named `pcode`, or says it failed.
    void NavigateStartPage(const QString &pcode, bool failed = false);
    // The page's title, from its <title>.
    QString Title() const { return documentTitle(); }

    // What a click on a link does; true when the link was a command for the program.
    bool FollowLink(const QUrl &url);

    HtmlViewTimers &Timers() { return m_timers; }

    QVariant loadResource(int type, const QUrl &name) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // The command after "app:"; the notifier has none of its own yet.
    virtual void OnAppCommand(const QString &command);

private:
    HtmlViewTimers m_timers;
};

// Creates the task-bar window's page view showing the start page for `pcode`.
TaskBarWindow::HtmlViewFactory StartPageViewFactory(const QString &pcode);

} // namespace lumaskin
