#include "viewer/viewer_control.h"

#include "engine/codecs/colour_management.h"
#include "engine/codecs/poppler_library.h"
#include "engine/effects/effect_step.h"
#include "engine/image_io.h"
#include "viewer/automation_arguments.h"
#include "viewer/image_qt.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QThreadPool>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <mutex>

namespace lumaskin {

namespace {

// ViewMode 1..7.
constexpr std::array<double, 7> kViewModeZooms = {0.25, 1.0 / 3.0, 0.5, 0.75, 1.0, 1.5, 2.0};
// ZoomIn and ZoomOut walk the view modes' steps and go on beyond them up to 800 %.
constexpr std::array<double, 11> kZoomLadder = {0.25, 1.0 / 3.0, 0.5, 0.75, 1.0, 1.5,
                                                2.0,  3.0,       4.0, 6.0,  8.0};
constexpr double kStepTolerance = 1e-6;

QString ArgumentText(const QVariantList &arguments, int i)
{
    return i < arguments.size() ? arguments[i].toString() : QString();
}

// An effect as the automation surface calls it: whole numbers are "shorts" and keep their low
// 16 bits, colours are "longs", reals stay as they are. Null effect for an identifier that is
// not an effect's.
EffectStep StepFromCall(DispatchId dispatchId, const QVariantList &arguments)
{
    EffectStep step;
    step.effect = FindEffectByDispatchId(dispatchId);
    if (!step.effect)
        return step;
    const auto count = std::min<std::size_t>(step.effect->arguments.size(),
                                             static_cast<std::size_t>(arguments.size()));
    for (std::size_t i = 0; i < count; ++i) {
        const QVariant &value = arguments[static_cast<qsizetype>(i)];
        switch (step.effect->arguments[i].kind) {
        case ArgumentKind::Int:
            step.arguments.push_back(ToShort(value));
            break;
        case ArgumentKind::Colour:
            step.arguments.push_back(
                static_cast<double>(static_cast<std::uint32_t>(value.toLongLong())));
            break;
        case ArgumentKind::Double:
            step.arguments.push_back(value.toDouble());
            break;
        }
    }
    return step;
}

QColor ViewBackground()
{
    return QColor(0x20, 0x20, 0x24);
}

// A read shorter than this shows no note: the picture simply appears.
constexpr int kLoadingNoteDelayMs = 300;

} // namespace

// One file being read on a worker thread; shared by the worker and the viewer.
struct ViewerControl::PendingLoad
{
    QString path;
    // Set when a newer file or picture supersedes this one, to stop work on it early.
    std::atomic<bool> superseded{false};
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    Image image;
    QString error;
    // Effects asked for while the file is read are applied on the worker too, so that a large
    // picture does not hold up the window. `edited` is then the picture with them, `image` the
    // untouched original.
    std::vector<EffectStep> steps;
    Image edited;
};

ViewerControl::ViewerControl(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    m_loadingNoteTimer.setSingleShot(true);
    m_loadingNoteTimer.setInterval(kLoadingNoteDelayMs);
    connect(&m_loadingNoteTimer, &QTimer::timeout, this, [this] {
        m_loadingNote = true;
        update();
    });
}

ViewerControl::~ViewerControl()
{
    // Nobody will show it: a PDF still being drawn for it stops.
    if (m_pending)
        m_pending->superseded = true;
}

QVariant ViewerControl::Invoke(DispatchId dispatchId, const QVariantList &arguments)
{
    const auto arg = [&](int i) { return i < arguments.size() ? arguments[i] : QVariant(); };
    switch (dispatchId) {
    case DispatchId::FileName:
        SetFileName(ArgumentText(arguments, 0));
        return {};
    case DispatchId::ViewMode:
        SetViewMode(ToShort(arg(0)));
        return {};
    case DispatchId::DisplayOption:
        SetDisplayOption(arg(0).toBool());
        return {};
    case DispatchId::LoadOption:
        SetLoadOption(static_cast<std::int32_t>(arg(0).toLongLong()));
        return {};
    case DispatchId::SaveAs:
        return QVariant::fromValue<short>(
            SaveAs(ArgumentText(arguments, 0), ArgumentText(arguments, 1)) ? 1 : 0);
    case DispatchId::SaveAsIcon:
        return QVariant::fromValue<short>(SaveAsIcon(ArgumentText(arguments, 0),
                                                     ArgumentText(arguments, 1), ToShort(arg(2)),
                                                     ToShort(arg(3)))
                                              ? 1
                                              : 0);
    case DispatchId::ZoomIn:
        ZoomIn();
        return {};
    case DispatchId::ZoomOut:
        ZoomOut();
        return {};
    case DispatchId::RestoreImage:
        RestoreImage(arg(0).toBool());
        return {};
    default:
        ApplyEffect(StepFromCall(dispatchId, arguments));
        return {};
    }
}

void ViewerControl::ApplyEffect(const EffectStep &step)
{
    if (!step.effect)
        return;
    // Meant for the picture being read, if there is one; while nothing else waits for it, the
    // reading thread applies the effect.
    if (m_pending && m_afterLoad.empty()) {
        const std::lock_guard lock(m_pending->mutex);
        if (!m_pending->finished) {
            m_pending->steps.push_back(step);
            return;
        }
    }
    AfterLoad([this, step] {
        if (m_image.IsNull())
            return;
        step.Apply(m_image);
        ImageEdited();
    });
}

void ViewerControl::AfterLoad(std::function<void()> step)
{
    if (m_pending)
        m_afterLoad.push_back(std::move(step));
    else
        step();
}

void ViewerControl::Fail(const QString &message)
{
    m_lastError = message;
}

bool ViewerControl::SetFileName(const QString &path)
{
    if (path.isEmpty())
        return false;
    // A newer file supersedes one still being read, and the calls that waited for it.
    auto load = std::make_shared<PendingLoad>();
    load->path = path;
    if (m_pending)
        m_pending->superseded = true;
    m_pending = load;
    m_afterLoad.clear();
    if (!m_loadingNoteTimer.isActive() && !m_loadingNote)
        m_loadingNoteTimer.start();
    QThreadPool *pool = QThreadPool::globalInstance();
    // A superseded read is still finishing: the new one need not wait for it.
    pool->setMaxThreadCount(std::max(pool->maxThreadCount(), 2));
    pool->start([load, viewer = QPointer<ViewerControl>(this)] {
        QString error;
        Image image;
        if (!load->superseded) {
            const PdfRenderCancel cancel(&load->superseded);
            image = ReadImage(load->path, &error);
        }
        Image edited;
        for (;;) {
            std::vector<EffectStep> steps;
            {
                const std::lock_guard lock(load->mutex);
                steps.swap(load->steps);
                if (!steps.empty() && !image.IsNull() && !load->superseded && edited.IsNull())
                    edited = image.Clone();
                if (steps.empty() || edited.IsNull() || load->superseded) {
                    // Steps not applied here (short of memory) are left to the window's
                    // thread, which says so if it cannot apply them either.
                    load->steps = std::move(steps);
                    load->image = std::move(image);
                    load->edited = std::move(edited);
                    load->error = error;
                    load->finished = true;
                    break;
                }
            }
            for (const EffectStep &step : steps)
                step.Apply(edited);
        }
        load->done.notify_all();
        // Handed back to the user-interface thread; dropped if the viewer is gone by then.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [load, viewer] {
                if (viewer)
                    viewer->Land(load);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void ViewerControl::WaitForLoaded()
{
    if (!m_pending)
        return;
    const std::shared_ptr<PendingLoad> load = m_pending;
    {
        std::unique_lock lock(load->mutex);
        load->done.wait(lock, [&] { return load->finished; });
    }
    Land(load);
}

void ViewerControl::Land(const std::shared_ptr<PendingLoad> &load)
{
    if (load != m_pending)
        return; // superseded, or already shown by WaitForLoaded
    m_pending.reset();
    m_loadingNoteTimer.stop();
    m_loadingNote = false;
    std::vector<std::function<void()>> waiting = std::move(m_afterLoad);
    m_afterLoad.clear();
    Image loaded = std::move(load->image);
    std::vector<EffectStep> unapplied = std::move(load->steps);
    if (loaded.IsNull()) {
        update();
        Fail(QStringLiteral("%1: %2").arg(load->path, load->error));
        emit loadFailed(m_lastError);
        return;
    }
    Image copy = load->edited.IsNull() ? loaded.Clone() : std::move(load->edited);
    if (copy.IsNull()) {
        update();
        Fail(QCoreApplication::translate("ViewerControl",
                                         "%1: there is not enough memory to show this picture")
                 .arg(load->path));
        emit loadFailed(m_lastError);
        return;
    }
    m_fileName = load->path;
    m_lastError.clear();
    m_notice.clear();
    m_original = std::move(loaded);
    m_image = std::move(copy);
    m_pan = {};
    RefreshShown();
    if (m_fitting)
        SetZoom(FitZoom());
    ClampPan();
    update();
    emit imageChanged();
    for (const EffectStep &step : unapplied) {
        step.Apply(m_image);
        ImageEdited();
    }
    for (const std::function<void()> &step : waiting)
        step();
}

QString ViewerControl::FileName() const
{
    Settle();
    return m_fileName;
}

QString ViewerControl::LastError() const
{
    Settle();
    return m_lastError;
}

const Image &ViewerControl::CurrentImage() const
{
    Settle();
    return m_image;
}

const Image &ViewerControl::OriginalImage() const
{
    Settle();
    return m_original;
}

Image &ViewerControl::EditableImage()
{
    Settle();
    return m_image;
}

void ViewerControl::ClearImage(const QString &notice)
{
    SetImage(Image());
    m_notice = notice;
    update();
}

void ViewerControl::SetImage(Image image)
{
    if (m_pending)
        m_pending->superseded = true;
    m_pending.reset();
    m_afterLoad.clear();
    m_loadingNoteTimer.stop();
    m_loadingNote = false;
    m_fileName.clear();
    m_notice.clear();
    m_original = std::move(image);
    m_image = m_original.Clone();
    m_pan = {};
    RefreshShown();
    if (m_fitting)
        SetZoom(FitZoom());
    ClampPan();
    update();
    emit imageChanged();
}

void ViewerControl::ImageEdited()
{
    RefreshShown();
    update();
    emit imageChanged();
}

void ViewerControl::SetViewMode(int mode)
{
    if (mode == kFitViewMode) {
        m_viewMode = mode;
        m_fitting = true;
        m_pan = {};
        SetZoom(FitZoom());
    } else if (mode >= 1 && mode <= static_cast<int>(kViewModeZooms.size())) {
        m_viewMode = mode;
        m_fitting = false;
        SetZoom(kViewModeZooms[static_cast<std::size_t>(mode - 1)]);
    }
    // Any other mode is not a view the control has; the view stays as it is.
}

void ViewerControl::ZoomIn()
{
    for (double step : kZoomLadder)
        if (step > m_zoom + kStepTolerance) {
            m_fitting = false;
            SetZoom(step);
            return;
        }
}

void ViewerControl::ZoomOut()
{
    for (auto it = kZoomLadder.rbegin(); it != kZoomLadder.rend(); ++it)
        if (*it < m_zoom - kStepTolerance) {
            m_fitting = false;
            SetZoom(*it);
            return;
        }
}

void ViewerControl::RestoreImage(bool /*keepView*/)
{
    if (m_pending) {
        AfterLoad([this] { RestoreImage(false); });
        return;
    }
    if (m_original.IsNull())
        return;
    Image copy = m_original.Clone();
    if (copy.IsNull()) {
        Fail(QCoreApplication::translate("ViewerControl",
                                         "there is not enough memory to restore the picture"));
        return;
    }
    m_image = std::move(copy);
    ImageEdited();
}

bool ViewerControl::SaveAs(const QString &path, const QString &format)
{
    WaitForLoaded();
    if (m_image.IsNull()) {
        Fail(QCoreApplication::translate("ViewerControl", "there is no picture to save"));
        return false;
    }
    QString error;
    const QString target = path + QLatin1Char('.') + format;
    if (!WriteImage(m_image, target, format.toLower(), &error)) {
        Fail(QStringLiteral("%1: %2").arg(target, error));
        return false;
    }
    return true;
}

bool ViewerControl::SaveAsIcon(const QString &path, const QString &format, int width, int height)
{
    WaitForLoaded();
    if (m_image.IsNull()) {
        Fail(QCoreApplication::translate("ViewerControl", "there is no picture to save"));
        return false;
    }
    QString error;
    const QString target = path + QLatin1Char('.') + format;
    if (!WriteIcon(m_image, target, width, height, &error)) {
        Fail(QStringLiteral("%1: %2").arg(target, error));
        return false;
    }
    return true;
}

double ViewerControl::FitZoom() const
{
    if (m_image.IsNull() || width() <= 0 || height() <= 0)
        return 1.0;
    const double fit = std::min(static_cast<double>(width()) / m_image.Width(),
                                static_cast<double>(height()) / m_image.Height());
    return std::min(1.0, fit);
}

void ViewerControl::SetZoom(double zoom)
{
    zoom = std::clamp(zoom, 0.0001, kMaxZoom);
    if (std::abs(zoom - m_zoom) < kStepTolerance) {
        ClampPan();
        update();
        return;
    }
    // Keep the point at the view's centre where it is.
    const QPointF centre(width() / 2.0, height() / 2.0);
    const QPointF imagePoint = (centre - m_pan) / m_zoom;
    m_zoom = zoom;
    m_pan = centre - imagePoint * m_zoom;
    InvalidateCache();
    ClampPan();
    update();
    emit zoomChanged(m_zoom);
}

QSizeF ViewerControl::ScaledSize() const
{
    if (m_image.IsNull())
        return {};
    return {m_image.Width() * m_zoom, m_image.Height() * m_zoom};
}

void ViewerControl::ClampPan()
{
    const QSizeF s = ScaledSize();
    // A picture smaller than the view is centred; a larger one can move until its edge
    // reaches the view's edge.
    auto clampAxis = [](double pan, double picture, double view) {
        if (picture <= view)
            return (view - picture) / 2.0;
        return std::clamp(pan, view - picture, 0.0);
    };
    m_pan.setX(clampAxis(m_pan.x(), s.width(), width()));
    m_pan.setY(clampAxis(m_pan.y(), s.height(), height()));
}

void ViewerControl::RefreshShown()
{
    InvalidateCache();
    // Pictures in another colour space are shown converted to sRGB; the picture itself keeps
    // its values and profile for effects and saving.
    m_shown = NeedsConversionToSrgb(m_image) ? SrgbCopy(m_image) : Image();
}

const Image &ViewerControl::ShownImage() const
{
    return m_shown.IsNull() ? m_image : m_shown;
}

void ViewerControl::InvalidateCache()
{
    m_scaledCache = QImage();
}

void ViewerControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ViewBackground());
    PaintPicture(painter);
    if (m_loadingNote) {
        // A small plate at the bottom, over whatever the view shows meanwhile.
        const QString text = tr("Loading…");
        const QRect box = painter.fontMetrics().boundingRect(text).adjusted(-10, -5, 10, 5);
        const QRect plate(QPoint((width() - box.width()) / 2, height() - box.height() - 12),
                          box.size());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 170));
        painter.drawRoundedRect(plate, 6, 6);
        painter.setPen(Qt::white);
        painter.drawText(plate, Qt::AlignCenter, text);
    }
}

void ViewerControl::PaintPicture(QPainter &painter)
{
    if (m_image.IsNull()) {
        if (!m_notice.isEmpty()) {
            painter.setPen(QColor(0xE6, 0xE6, 0xEA));
            painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                             m_notice);
        }
        return;
    }
    const QSizeF s = ScaledSize();
    const QRectF target(m_pan, s);
    if (m_zoom < 1.0) {
        // Shrunk views are scaled once per zoom or change, not on every paint.
        const QSize cacheSize(std::max(1, qRound(s.width())), std::max(1, qRound(s.height())));
        if (m_scaledCache.size() != cacheSize)
            m_scaledCache = ShrunkForView(ShownImage(), cacheSize);
        painter.drawImage(target.topLeft(), m_scaledCache);
        return;
    }
    // Enlarged views scale only the part that is visible.
    const QRectF visible = target.intersected(QRectF(rect()));
    if (visible.isEmpty())
        return;
    const QRectF source((visible.topLeft() - m_pan) / m_zoom, visible.size() / m_zoom);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_zoom != 1.0);
    painter.drawImage(visible, ShownImage().ToQImage(), source);
}

void ViewerControl::resizeEvent(QResizeEvent *)
{
    if (m_fitting)
        SetZoom(FitZoom());
    ClampPan();
}

void ViewerControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_image.IsNull())
        return QWidget::mousePressEvent(event);
    const QSizeF s = ScaledSize();
    if (s.width() <= width() && s.height() <= height())
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_dragStart = event->position().toPoint();
    m_panAtDragStart = m_pan;
    setCursor(Qt::ClosedHandCursor);
}

void ViewerControl::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    m_pan = m_panAtDragStart + (event->position() - QPointF(m_dragStart));
    ClampPan();
    update();
}

void ViewerControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    unsetCursor();
}

} // namespace lumaskin
