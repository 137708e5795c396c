#include "controls/skin_host.h"

#include "controls/bitmap_helpers.h"

#include <QWidget>

namespace lumaskin {

QImage CopyBackgroundUnder(SkinHost *host, const QWidget &control)
{
    if (!host)
        return {};
    const QImage background = host->BackgroundContext();
    if (background.isNull())
        return {};
    const QWidget *hostWidget = host->HostWidget();
    QPoint topLeft = control.pos();
    if (hostWidget && hostWidget != &control && hostWidget->isAncestorOf(&control))
        topLeft = control.mapTo(hostWidget, QPoint(0, 0));
    if (control.width() <= 0 || control.height() <= 0)
        return {};
    return CopyLogical(background, QRect(topLeft, control.size()));
}

} // namespace lumaskin
