#include "notifier/c_html_ctrl.h"

#include "controls/bitmap_helpers.h"
#include "notifier/start_page.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextDocument>

namespace lumaskin {

namespace {

const QString kAppPrefix = QStringLiteral("app:");

// The page's text sizes, given in pixels, made as much smaller as the skin around it.
QString ScaledToSkin(QString page)
{
    if (SkinScale() == 1.0)
        return page;
    static const QRegularExpression size(QStringLiteral("font-size:\\s*(\\d+)px"));
    QString scaled;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &match : size.globalMatch(page)) {
        scaled += page.mid(last, match.capturedStart() - last);
        const int pixels = std::max(6, qRound(match.captured(1).toInt() * SkinScale()));
        scaled += QStringLiteral("font-size: %1px").arg(pixels);
        last = match.capturedEnd();
    }
    return scaled + page.mid(last);
}

} // namespace

CHtmlCtrl::CHtmlCtrl(QWidget *parent) : QTextBrowser(parent)
{
    m_timers.SetOwner(parent);
    setFrameShape(QFrame::NoFrame);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The notifier never takes the focus; the page is read and clicked, not typed into.
    setFocusPolicy(Qt::NoFocus);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    // A small page in a small window: a narrow rim and list bullets close to the edge.
    document()->setDocumentMargin(6);
    document()->setIndentWidth(14);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) { FollowLink(url); });
}

CHtmlCtrl::~CHtmlCtrl() = default;

void CHtmlCtrl::NavigateStartPage(const QString &pcode, bool failed)
{
    const QUrl url = StartPageUrl(pcode, failed);
    // The same address again (the same skin chosen twice) is a fresh load all the same.
    if (url == source())
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
    // The page is the program's own and loads at once.
    m_timers.OnPageLoaded(documentTitle());
}

QVariant CHtmlCtrl::loadResource(int type, const QUrl &name)
{
    // The page is served from inside the program; nothing is fetched from anywhere else.
    if (type == QTextDocument::HtmlResource) {
        if (std::optional<QString> page = StartPageReply(name))
            return ScaledToSkin(*std::move(page));
    }
    return {};
}

bool CHtmlCtrl::FollowLink(const QUrl &url)
{
    const QString address = url.toString();
    if (address.startsWith(kAppPrefix, Qt::CaseInsensitive)) {
        OnAppCommand(address.mid(kAppPrefix.size()));
        return true;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        QDesktopServices::openUrl(url);
    return false;
}

void CHtmlCtrl::mousePressEvent(QMouseEvent *event)
{
    m_timers.OnMouseActivate();
    QTextBrowser::mousePressEvent(event);
}

void CHtmlCtrl::OnAppCommand(const QString &) {}

TaskBarWindow::HtmlViewFactory StartPageViewFactory(const QString &pcode)
{
    return [pcode](TaskBarWindow &window) -> QWidget * {
        auto *view = new CHtmlCtrl(&window);
        view->NavigateStartPage(pcode);
        return view;
    };
}

} // namespace lumaskin
