#pragma once

#include "engine/dispatch_id.h"
#include "engine/image.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace lumaskin {

struct EffectStep;

// The image viewer: shows one picture, zooms it in fixed steps or fits it into the view, lets
// a larger picture be panned by dragging, applies effects to it and saves it. The program
// drives it through `Invoke` by dispatch identifier; the typed operations below do the work.
//
// Files are read off the user-interface thread, so no file (a PDF that takes long to draw, a
// huge picture, a slow disk) freezes the window: the view keeps showing what it showed until
// the new picture arrives, with a note after a moment. Calls made meanwhile keep their order:
// zooms and view modes apply to the view at once and to the new picture when it comes;
// effects and restores wait for the new picture and are dropped if it cannot be read; saves
// and the accessors below wait for it, so that a caller sees the result of every call it made.
class ViewerControl : public QWidget
{
    Q_OBJECT

public:
    // View modes 1..7 are fixed zooms; 9 fits the picture into the view, shrinking only.
    static constexpr int kFitViewMode = 9;
    static constexpr double kMinZoom = 0.25;
    static constexpr double kMaxZoom = 8.0;

    explicit ViewerControl(QWidget *parent = nullptr);
    ~ViewerControl() override;

    // Runs the operation or property put with that identifier. Integer arguments of "short"
    // operations are taken as their low 16 bits (ToShort). Returns the operation's result (saves
    // give 1 on success and 0 on failure) or an invalid QVariant for puts and unknown identifiers.
    QVariant Invoke(DispatchId dispatchId, const QVariantList &arguments);
    // Applies an effect to the shown picture, or to the one being read once it arrives.
    void ApplyEffect(const EffectStep &step);

    // Starts reading the file and shows it once read; on failure the view keeps what it
    // showed and `LastError` says why. An empty path does nothing and returns false.
    bool SetFileName(const QString &path);
    // The file shown (after waiting for one being read).
    QString FileName() const;
    // Whether a file given to SetFileName is still being read.
    bool IsLoading() const { return m_pending != nullptr; }
    // Waits for the file being read and shows it (or its failure). For scripted callers: the
    // window itself never waits.
    void WaitForLoaded();
    void SetViewMode(int mode);
    int ViewMode() const { return m_viewMode; }
    void SetDisplayOption(bool value) { m_displayOption = value; }
    bool DisplayOption() const { return m_displayOption; }
    void SetLoadOption(int value) { m_loadOption = value; }
    int LoadOption() const { return m_loadOption; }
    // Writes the shown picture as `path` + "." + `format`.
    bool SaveAs(const QString &path, const QString &format);
    bool SaveAsIcon(const QString &path, const QString &format, int width, int height);
    void ZoomIn();
    void ZoomOut();
    // The shown picture returns to its state as loaded.
    void RestoreImage(bool keepView = false);

    // Shows a picture that did not come from a file (used by tests and tools).
    void SetImage(Image image);
    // Drops the shown picture and shows `notice` in its place until the next picture.
    void ClearImage(const QString &notice);
    QString Notice() const { return m_notice; }
    const Image &CurrentImage() const;
    const Image &OriginalImage() const;
    // Replaces the shown picture after an effect, keeping the original for restore.
    void ImageEdited();
    Image &EditableImage();
    // What is painted: the picture, or its sRGB copy when it is in another colour space.
    const Image &ShownImage() const;

    double Zoom() const { return m_zoom; }
    QPointF PanOffset() const { return m_pan; }
    QString LastError() const;
    QSize sizeHint() const override { return {640, 480}; }

signals:
    void imageChanged();
    void zoomChanged(double zoom);
    // A file given to SetFileName could not be shown; `message` names it and says why. The
    // other operations say whether they worked by their result, and LastError says why not.
    void loadFailed(const QString &message);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct PendingLoad;

    // Shows a finished read, unless a later SetFileName or SetImage has superseded it.
    void Land(const std::shared_ptr<PendingLoad> &load);
    // Runs `step` now, or after the picture being read has arrived.
    void AfterLoad(std::function<void()> step);
    // The accessors wait so that callers see the outcome of every call they made.
    void Settle() const { const_cast<ViewerControl *>(this)->WaitForLoaded(); }
    void SetZoom(double zoom);
    double FitZoom() const;
    QSizeF ScaledSize() const;
    void ClampPan();
    void InvalidateCache();
    void RefreshShown();
    void Fail(const QString &message);
    void PaintPicture(QPainter &painter);

    Image m_original;
    Image m_image;
    Image m_shown; // m_image in sRGB, only for pictures in another colour space
    QString m_fileName;
    QString m_lastError;
    QString m_notice; // shown while there is no picture
    int m_viewMode = kFitViewMode;
    bool m_fitting = true;
    double m_zoom = 1.0;
    bool m_displayOption = true;
    int m_loadOption = 1;
    QPointF m_pan; // top-left of the picture relative to the view, when larger
    QPoint m_dragStart;
    QPointF m_panAtDragStart;
    bool m_dragging = false;
    QImage m_scaledCache; // the whole picture at the current zoom, when zoomed out
    std::shared_ptr<PendingLoad> m_pending;         // the read in progress
    std::vector<std::function<void()>> m_afterLoad; // calls waiting for it
    QTimer m_loadingNoteTimer;
    bool m_loadingNote = false;
};

} // namespace lumaskin
