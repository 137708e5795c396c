#include "skins/generator/preview_renderer.h"

#include "controls/bitmap_helpers.h"
#include "controls/skin_list_box.h"
#include "skin/face_text.h"
#include "skin/skin_ini.h"
#include "skin/skin_sections.h"
#include "skins/generator/paint_kit.h"
#include "skins/generator/skin_builder.h"
#include "skins/generator/skin_layout.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace lumaskin::skingen {

namespace {

constexpr int kMargin = 28;
constexpr int kRange = 7200;
// Where the preview puts the position slider, as a share of its range.
constexpr double kSliderShare = 0.35;

// A skin's colour, black where the skin gives none.
QColor FromColourValue(ColourValue value)
{
    const QColor colour = ToQColor(value);
    return colour.isValid() ? colour : QColor(Qt::black);
}

class Preview
{
public:
    Preview(QString folder, QPainter &painter, QPoint origin, int scale)
        : m_folder(std::move(folder)), m_p(painter), m_origin(origin), m_scale(scale)
    {}

    QImage Load(const std::string &file, QString &error) const
    {
        return LoadSkinBitmap(m_folder, file, m_scale, error);
    }

    // Key-coloured pixels left out; `source` in the image's logical pixels.
    void Blit(const QImage &image, const QRect &target, const QRect &source) const
    {
        QImage part = CropLogical(image, source);
        if (part.size() != target.size() * m_scale)
            part =
                part.scaled(target.size() * m_scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        part = part.convertToFormat(QImage::Format_ARGB32);
        part.setDevicePixelRatio(m_scale);
        for (int y = 0; y < part.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x) {
                if ((row[x] | 0xFF000000) == kKeyColour)
                    row[x] = 0;
            }
        }
        m_p.drawImage(target.translated(m_origin), part);
    }

    // One state of a strip of four, with the words the skin has for control `name` drawn on
    // it as the program draws them, stretched to the rectangle.
    void Face(const std::string &file, const Rect &rect, int state, QString &error,
              const SkinIni *ini = nullptr, const std::string &name = {}) const
    {
        QImage strip = Load(file, error);
        if (strip.isNull())
            return;
        if (ini) {
            if (const auto words = ReadFaceText(*ini, name))
                PaintCaptionOnStrip(strip, ToFaceCaption(*words));
        }
        const int width = LogicalSizeOf(strip).width() / 4;
        Blit(strip, ToQRect(rect), QRect(state * width, 0, width, LogicalSizeOf(strip).height()));
    }

    void Text(const Rect &rect, const QString &text, const std::string &face, int points,
              const QColor &colour) const
    {
        QFont font(QString::fromStdString(face));
        font.setPixelSize((points * 96 + 36) / 72);
        m_p.save();
        m_p.setFont(font);
        m_p.setPen(colour);
        m_p.setClipRect(ToQRect(rect).translated(m_origin));
        m_p.drawText(ToQRect(rect).translated(m_origin), Qt::AlignLeft | Qt::AlignTop, text);
        m_p.restore();
    }

    QPainter &Painter() const { return m_p; }
    QPoint Origin() const { return m_origin; }

    // A bitmap of the skin at `scale`: its "@2x" companion at 2, held at a device pixel ratio
    // of 2 so that it is drawn in logical pixels.
    static QImage LoadSkinBitmap(const QString &folder, const std::string &file, int scale,
                                 QString &error)
    {
        const std::string name = scale > 1 ? HiDpiFileName(file) : file;
        const QString path = QDir(folder).filePath(QString::fromStdString(name));
        QImage image(path);
        if (image.isNull()) {
            error = QStringLiteral("%1 does not load").arg(path);
            return {};
        }
        image = image.convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        return image;
    }

private:
    QString m_folder;
    QPainter &m_p;
    QPoint m_origin;
    int m_scale;
};

const char *const kSampleFiles[] = {
    "harbour-at-dawn.jpg", "meadow.png",        "portrait-anna.tif",
    "old-town.jpg",        "lighthouse.jpg",    "forest-path.png",
    "market-day.jpg",      "snowfield.bmp",     "bridge-at-night.jpg",
    "sunflowers.png",      "river-bend.jpg",    "street-cat.jpg",
    "canal-boats.jpg",     "autumn-leaves.png", "dunes.jpg",
    "storm-clouds.jpg",    "kitchen-table.jpg", "window-light.png",
    "garden-gate.jpg",     "tram-stop.jpg",     "pier.jpg",
    "hilltop-chapel.jpg",  "rain.png",          "morning-fog.jpg"};

void PaintList(const Preview &v, const ListBoxEntry &list, QString &error)
{
    QPainter &p = v.Painter();
    const QRect rect = ToQRect(list.rect).translated(v.Origin());
    const QImage up = v.Load(list.scrollBar.upArrow, error);
    const int barWidth = LogicalSizeOf(up).width();
    const QRect rows = rect.adjusted(0, 0, -barWidth, 0);
    p.fillRect(rect, FromColourValue(list.backgroundColour));
    const QFont font = SkinListBox::ListFont();
    const QFontMetrics metrics(font);
    const int rowHeight = metrics.height() + 2;
    // As the program lays the list out: numbers wide enough for "999.", each file's name,
    // then its folder dimmed.
    const int numberWidth = std::max(35, metrics.horizontalAdvance(QStringLiteral("999.")) + 10);
    const int count = static_cast<int>(std::size(kSampleFiles));
    const int visible = rows.height() / rowHeight;
    p.save();
    p.setClipRect(rows);
    p.setFont(font);
    for (int i = 0; i < count && i * rowHeight < rows.height(); ++i) {
        const QRect row(rows.left(), rows.top() + i * rowHeight, rows.width(), rowHeight);
        const bool selected = i == 2;
        if (selected)
            p.fillRect(row, FromColourValue(list.selectedBackgroundColour));
        p.setPen(FromColourValue(selected ? list.selectedTextColour : list.textColour));
        p.drawText(QRect(row.left(), row.top(), numberWidth - 2, rowHeight),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1.").arg(i + 1));
        SkinListBox::DrawPath(
            p, row.adjusted(numberWidth + 2, 0, -2, 0),
            QStringLiteral("/home/anna/Pictures/holidays/") + QLatin1String(kSampleFiles[i]),
            metrics, FromColourValue(selected ? list.selectedTextColour : list.textColour),
            FromColourValue(selected ? list.selectedBackgroundColour : list.backgroundColour));
    }
    p.restore();

    // The scroll bar, as it looks with more rows than fit and the list at its top.
    if (count <= visible || barWidth == 0)
        return;
    const QRect bar(rect.right() + 1 - barWidth, rect.top(), barWidth, rect.height());
    const QImage track = v.Load(list.scrollBar.track, error);
    const QImage down = v.Load(list.scrollBar.downArrow, error);
    const QImage thumb = v.Load(list.scrollBar.thumb, error);
    if (track.isNull() || down.isNull() || thumb.isNull())
        return;
    p.drawImage(QRect(bar.left(), bar.top(), barWidth, bar.height()), track);
    p.drawImage(bar.topLeft(), up);
    p.drawImage(QPoint(bar.left(), bar.bottom() + 1 - LogicalSizeOf(down).height()), down);
    p.drawImage(QPoint(bar.left(), bar.top() + LogicalSizeOf(up).height()), thumb);
}

// A small landscape standing in for a picture in the viewer.
void PaintSamplePicture(QPainter &p, const QRect &area)
{
    p.save();
    p.setClipRect(area);
    SetUpPainter(p);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0x3a, 0x6f, 0xb5));
    sky.setColorAt(0.55, QColor(0xf3, 0xb8, 0x8a));
    sky.setColorAt(1, QColor(0xf7, 0xd6, 0xa8));
    p.fillRect(area, sky);
    const QPointF sun(area.left() + area.width() * 0.68, area.top() + area.height() * 0.5);
    QRadialGradient glow(sun, area.height() * 0.45);
    glow.setColorAt(0, QColor(255, 240, 200, 220));
    glow.setColorAt(1, QColor(255, 240, 200, 0));
    p.fillRect(area, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 246, 222));
    p.drawEllipse(sun, area.height() * 0.07, area.height() * 0.07);
    auto hills = [&](double base, double amplitude, double phase, const QColor &colour) {
        QPainterPath path;
        path.moveTo(area.left(), area.bottom() + 1);
        for (int x = area.left(); x <= area.right() + 4; x += 4) {
            const double t = static_cast<double>(x - area.left()) / area.width();
            path.lineTo(x, area.top() + area.height() * base -
                               amplitude * area.height() *
                                   (0.6 * std::sin(t * 5.1 + phase) + 0.4 * std::sin(t * 11.3)));
        }
        path.lineTo(area.right() + 4, area.bottom() + 1);
        path.closeSubpath();
        p.fillPath(path, colour);
    };
    hills(0.62, 0.06, 0.3, QColor(0x8c, 0x6a, 0x8e));
    hills(0.72, 0.05, 2.1, QColor(0x5b, 0x4a, 0x72));
    hills(0.84, 0.04, 4.0, QColor(0x2f, 0x2c, 0x4a));
    p.restore();
}

void PaintBackdrop(QPainter &p, const QRect &area)
{
    QLinearGradient desk(area.topLeft(), area.bottomRight());
    desk.setColorAt(0, QColor(0xe4, 0xe7, 0xec));
    desk.setColorAt(1, QColor(0xc3, 0xc9, 0xd3));
    p.fillRect(area, desk);
}

// A soft shadow under the shaped window: its mask drawn a few times, spreading downwards.
void PaintShadow(QPainter &p, const QImage &bitmap, QPoint at)
{
    QImage shadow(bitmap.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.setDevicePixelRatio(bitmap.devicePixelRatio());
    for (int y = 0; y < bitmap.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(bitmap.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(shadow.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            out[x] = (in[x] | 0xFF000000) == kKeyColour ? 0 : qPremultiply(qRgba(0, 0, 0, 18));
    }
    for (int spread = 1; spread <= 8; ++spread)
        p.drawImage(at + QPoint(0, 2 + spread), shadow);
}

} // namespace

QImage RenderPreview(const QString &folder, QString &error, int scale, const QString &pageHtml)
{
    error.clear();
    const SkinIni ini(
        QFile::encodeName(QDir(folder).filePath(QStringLiteral("Skin.ini"))).toStdString());
    QString missing;
    const QImage background =
        Preview::LoadSkinBitmap(folder, ReadBackgroundBitmap(ini), scale, missing);
    const QImage notifier = Preview::LoadSkinBitmap(folder, "dlgTaskNotifier.bmp", scale, missing);
    if (background.isNull() || notifier.isNull()) {
        error = QStringLiteral("%1: no background or notifier bitmap").arg(folder);
        return {};
    }
    const QSize backgroundSize = LogicalSizeOf(background);
    const QSize notifierSize = LogicalSizeOf(notifier);

    const QSize size(kMargin * 3 + backgroundSize.width() + notifierSize.width(),
                     kMargin * 2 + backgroundSize.height());
    QImage canvas = Canvas(size, scale);
    QPainter p(&canvas);
    SetUpPainter(p);
    PaintBackdrop(p, QRect(QPoint(0, 0), size));

    const QPoint windowAt(kMargin, kMargin);
    const QPoint notifierAt(kMargin * 2 + backgroundSize.width(),
                            kMargin + backgroundSize.height() - notifierSize.height());
    PaintShadow(p, background, windowAt);
    PaintShadow(p, notifier, notifierAt);
    Preview window(folder, p, windowAt, scale);
    window.Blit(background, QRect(QPoint(0, 0), backgroundSize),
                QRect(QPoint(0, 0), backgroundSize));

    if (const auto host = ReadHostRect(ini))
        PaintSamplePicture(p, ToQRect(*host).translated(windowAt));
    if (const auto icon = ReadIcon(ini)) {
        const QImage bitmap = window.Load(icon->bitmap, error);
        window.Blit(bitmap, ToQRect(icon->rect),
                    QRect(0, 0, icon->rect.Width(), icon->rect.Height()));
    }
    if (const auto caption = ReadCaption(ini))
        window.Text(caption->rect, QString::fromStdString(caption->text), caption->fontFace,
                    caption->fontSize, FromColourValue(caption->colour));

    for (const auto &button : ReadButtons(ini)) {
        if (button && button->name != "BUTTON_PAUSE") // hidden once the skin is loaded
            window.Face(button->bitmap, button->rect, 0, error, &ini, button->name);
    }
    for (const auto &option : ReadOptionButtons(ini)) {
        if (option)
            window.Face(option->bitmap, option->rect, option->checked ? 2 : 0, error, &ini,
                        option->name);
    }
    for (const auto &check : ReadCheckBoxes(ini)) {
        if (check)
            window.Face(check->bitmap, check->rect, check->checked ? 2 : 0, error, &ini,
                        check->name);
    }

    QString timeText;
    for (const auto &slider : ReadSliders(ini)) {
        if (!slider)
            continue;
        const QImage channel = window.Load(slider->channelBitmap, error);
        const QImage thumb = window.Load(slider->thumbBitmap, error);
        if (channel.isNull() || thumb.isNull())
            continue;
        const QSize channelSize = LogicalSizeOf(channel);
        const QSize thumbSize = LogicalSizeOf(thumb);
        const int width = std::max(channelSize.width(), thumbSize.width());
        const int centre =
            static_cast<int>(kSliderShare * (width - thumbSize.width())) + thumbSize.width() / 2;
        const QPoint at(slider->rect.left, slider->rect.top);
        window.Blit(channel, QRect(at, QSize(centre, channelSize.height())),
                    QRect(0, 0, centre, channelSize.height()));
        window.Blit(thumb, QRect(at + QPoint(centre - thumbSize.width() / 2, 0), thumbSize),
                    QRect(QPoint(0, 0), thumbSize));
        if (slider->name == "SLIDER_PROGRESS") {
            const int seconds = static_cast<int>(kSliderShare * kRange);
            timeText = QString::asprintf("%02d:%02d:%02d/02:00:00", seconds / 3600,
                                         seconds % 3600 / 60, seconds % 60);
        }
    }
    for (const auto &label : ReadLabels(ini)) {
        if (!label)
            continue;
        const QString text = label->name == "LABEL_TIME" && !timeText.isEmpty()
                                 ? timeText
                                 : QString::fromStdString(label->text);
        window.Text(label->rect, text, label->fontFace, label->fontSize,
                    FromColourValue(label->colour));
    }

    const QFont fieldFont(QStringLiteral("DejaVu Sans"), 9);
    auto field = [&](const Rect &rect, ColourValue back, ColourValue ink, const QString &text) {
        const QRect r = ToQRect(rect).translated(windowAt);
        p.fillRect(r, FromColourValue(back));
        p.setFont(fieldFont);
        p.setPen(FromColourValue(ink));
        p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    bool first = true;
    for (const auto &edit : ReadEditBoxes(ini)) {
        if (!edit)
            continue;
        field(edit->rect, edit->backgroundColour, edit->textColour,
              first ? QStringLiteral("/home/anna/Pictures/converted/harbour-at-dawn.png")
                    : QString());
        first = false;
    }
    for (const auto &list : ReadListBoxes(ini)) {
        if (list)
            PaintList(window, *list, error);
    }
    for (const auto &combo : ReadComboBoxes(ini)) {
        if (!combo)
            continue;
        const QImage strip = window.Load(combo->buttonBitmap, error);
        const ComboSpec layout{combo->name, combo->rect, LogicalSizeOf(strip).width() / 4};
        field(ComboEditRect(layout), combo->editBackgroundColour, combo->editTextColour,
              QStringLiteral("PNG"));
        window.Face(combo->buttonBitmap, ComboButtonRect(layout), 0, error);
    }

    Preview popup(folder, p, notifierAt, scale);
    popup.Blit(notifier, QRect(QPoint(0, 0), notifierSize), QRect(QPoint(0, 0), notifierSize));
    const NotifierLayout notifierLayout = MakeNotifierLayout();
    const QRect page = notifierLayout.page.translated(notifierAt);
    if (pageHtml.isEmpty()) {
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9, -1, true));
        p.setPen(QColor(0x90, 0x90, 0x98));
        p.drawText(page, Qt::AlignCenter, QStringLiteral("start page"));
    } else {
        // Laid out as the notifier's page view lays it out.
        QTextDocument document;
        document.setDocumentMargin(6);
        document.setIndentWidth(14);
        document.setHtml(pageHtml);
        document.setTextWidth(page.width());
        p.save();
        p.translate(page.topLeft());
        p.setClipRect(QRect(QPoint(0, 0), page.size()));
        p.fillRect(QRect(QPoint(0, 0), page.size()), QColor(0xfb, 0xfb, 0xfd));
        document.drawContents(&p, QRectF(QPointF(0, 0), page.size()));
        p.restore();
    }
    for (const auto &button : ReadTaskBarButtons(ini)) {
        if (button)
            popup.Face(button->bitmap, button->rect, 0, error);
    }
    p.end();
    if (!error.isEmpty())
        return {};
    return canvas;
}

} // namespace lumaskin::skingen
