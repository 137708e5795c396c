#include "app/conversion_progress.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace lumaskin {

namespace {

constexpr int kPanelWidth = 360;
constexpr int kPanelHeight = 132;
constexpr int kMargin = 16;
constexpr int kBarHeight = 10;
// Text that has to be read, greyed or not, keeps at least this contrast with its ground.
constexpr double kLegibleContrast = 4.5;

double RelativeLuminance(const QColor &colour)
{
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Mix(const QColor &from, const QColor &to, double amount)
{
    const auto channel = [amount](int a, int b) { return qRound(a + (b - a) * amount); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// The text of a disabled button: faded toward its ground, but never so far that it cannot be
// read, whether the skin is dark or light.
QColor DisabledText(const QColor &text, const QColor &ground)
{
    for (double amount = 0.5; amount > 0.0; amount -= 0.05) {
        const QColor faded = Mix(text, ground, amount);
        if (ContrastRatio(faded, ground) >= kLegibleContrast)
            return faded;
    }
    return text;
}

} // namespace

ConversionProgress::ConversionProgress(QWidget *parent)
    : QWidget(parent), m_cancel(new QPushButton(tr("Cancel"), this))
{
    setFocusPolicy(Qt::StrongFocus);
    m_cancel->setCursor(Qt::PointingHandCursor);
    connect(m_cancel, &QPushButton::clicked, this, &ConversionProgress::cancelRequested);
    StyleButton();
    hide();
}

void ConversionProgress::SetColours(const QColor &panel, const QColor &text, const QColor &bar)
{
    m_panel = panel;
    m_text = text;
    m_bar = bar;
    StyleButton();
    update();
}

void ConversionProgress::StyleButton()
{
    const QColor ground = m_panel.lighter(130);
    m_cancel->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; background: %2; border: 1px solid %3;"
                       " border-radius: 4px; padding: 3px 14px; }"
                       "QPushButton:hover:enabled { background: %3; }"
                       "QPushButton:disabled { color: %4; }")
            .arg(m_text.name(), ground.name(), m_bar.name(), DisabledText(m_text, ground).name()));
}

void ConversionProgress::Start(int total)
{
    m_finished = 0;
    m_total = total;
    m_currentFile.clear();
    m_inHand.clear();
    m_stopping = false;
    m_inHandAtStop = 0;
    m_cancel->setEnabled(true);
    m_cancel->setText(tr("Cancel"));
    PlaceButton();
    show();
    raise();
    setFocus();
    update();
}

void ConversionProgress::FileStarted(const QString &source)
{
    m_inHand << source;
    update();
}

void ConversionProgress::SetProgress(int finished, int total, const QString &currentFile,
                                     const QString &source)
{
    m_inHand.removeOne(source);
    m_finished = finished;
    m_total = total;
    m_currentFile = currentFile;
    update();
}

void ConversionProgress::SetStopping()
{
    m_stopping = true;
    m_inHandAtStop = static_cast<int>(m_inHand.size());
    m_cancel->setEnabled(false);
    m_cancel->setText(tr("Stopping"));
    // The longer label gets a button wide enough for it.
    PlaceButton();
    update();
}

QRect ConversionProgress::PanelRect() const
{
    const int w = std::min(kPanelWidth, width() - 8);
    const int h = std::min(kPanelHeight, height() - 8);
    return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

void ConversionProgress::resizeEvent(QResizeEvent *)
{
    PlaceButton();
}

void ConversionProgress::PlaceButton()
{
    const QRect panel = PanelRect();
    const QSize button = m_cancel->sizeHint();
    m_cancel->setGeometry(panel.right() - kMargin - button.width() + 1,
                          panel.bottom() - kMargin - button.height() + 1, button.width(),
                          button.height());
}

void ConversionProgress::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_cancel->isEnabled()) {
        emit cancelRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ConversionProgress::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The picture underneath stays faintly visible.
    QColor veil = m_panel;
    veil.setAlpha(140);
    painter.fillRect(rect(), veil);

    const QRect panel = PanelRect();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.fillPath(shape, m_panel);
    painter.setPen(QPen(m_bar, 1));
    painter.drawPath(shape);

    const QRect inner = panel.adjusted(kMargin, kMargin - 4, -kMargin, -kMargin);
    QFont heading = font();
    heading.setBold(true);
    heading.setPixelSize(15);
    painter.setFont(heading);
    painter.setPen(m_text);
    const QString title =
        m_stopping ? tr("Stopping after the files in hand…")
                   : tr("Converting %1 of %2").arg(std::min(m_finished + 1, m_total)).arg(m_total);
    const QRect titleRect(inner.left(), inner.top(), inner.width(), 22);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, title);

    QFont small = font();
    small.setPixelSize(12);
    painter.setFont(small);
    QColor dim = m_text;
    dim.setAlphaF(0.75);
    painter.setPen(dim);
    const QString file = StatusLine();
    const QRect fileRect(inner.left(), titleRect.bottom() + 4, inner.width(), 18);
    painter.drawText(fileRect, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(file, Qt::ElideMiddle, inner.width()));

    const QRectF bar(inner.left(), fileRect.bottom() + 10, inner.width(), kBarHeight);
    painter.setPen(Qt::NoPen);
    // The empty track shows on light panels as on dark ones.
    painter.setBrush(Mix(m_panel, m_text, 0.15));
    painter.drawRoundedRect(bar, kBarHeight / 2.0, kBarHeight / 2.0);
    // Once stopping, the bar counts the files that were in hand.
    const int done = m_stopping ? m_inHandAtStop - static_cast<int>(m_inHand.size()) : m_finished;
    const int of = m_stopping ? m_inHandAtStop : m_total;
    if (of > 0 && done > 0) {
        QRectF filled = bar;
        filled.setWidth(std::max<qreal>(kBarHeight, bar.width() * done / of));
        painter.setBrush(m_bar);
        painter.drawRoundedRect(filled, kBarHeight / 2.0, kBarHeight / 2.0);
    }
}

QString ConversionProgress::StatusLine() const
{
    QStringList names;
    for (const QString &source : m_inHand)
        names << QFileInfo(source).fileName();
    const QString inHand = names.join(QStringLiteral(", "));
    if (m_stopping)
        return inHand.isEmpty() ? tr("Stopping…") : tr("Finishing %1").arg(inHand);
    if (!m_currentFile.isEmpty())
        return tr("Written: %1").arg(QFileInfo(m_currentFile).fileName());
    return inHand.isEmpty() ? tr("Starting…") : tr("Converting %1").arg(inHand);
}

} // namespace lumaskin
