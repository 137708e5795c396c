#include "controls/skin_list_box.h"

#include "controls/bitmap_helpers.h"
#include "controls/skin_host.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

namespace lumaskin {

namespace {

// Between a row's file name and its folder.
const QString kFolderGap = QStringLiteral("   ");

// Paints every row in the list's own colours, never in the style's highlight colours.
class SkinListDelegate : public QStyledItemDelegate
{
public:
    explicit SkinListDelegate(SkinListBox *list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->fillRect(option.rect, selected ? m_list->SelBkColor() : m_list->BkColor());
        painter->setPen(selected ? m_list->SelTextColor() : m_list->TextColor());
        painter->setFont(option.font);
        const QRect box = option.rect.adjusted(2, 0, -2, 0);
        const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        const int flags = int(alignment | Qt::AlignVCenter) | Qt::TextSingleLine;
        if (index.column() != SkinListBox::kPathColumn) {
            painter->drawText(box, flags,
                              option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight,
                                                            box.width()));
            painter->restore();
            return;
        }
        SkinListBox::DrawPath(*painter, box, index.data().toString(), option.fontMetrics,
                              painter->pen().color(),
                              selected ? m_list->SelBkColor() : m_list->BkColor());
        painter->restore();
    }

private:
    const SkinListBox *m_list;
};

} // namespace

SkinListBox::SkinListBox(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The skinned scroll bar mirrors the built-in one, which stays hidden.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setColumnCount(0);
    // The last column reaches the scroll bar, and so does the bar of a selected row.
    header()->setStretchLastSection(true);
    header()->setMinimumSectionSize(0);
    setItemDelegate(new SkinListDelegate(this));
    m_font = ListFont();
    setFont(m_font);
    ApplyColours();
}

void SkinListBox::Create(const QRect &rect)
{
    setGeometry(rect);
    show();
}

QFont SkinListBox::ListFont()
{
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    // Lines 18 pixels high and characters 10 pixels wide on average, whatever font stands
    // in for Arial.
    // A skin drawn smaller has smaller lines.
    const int line = std::max(6, qRound(18 * SkinScale()));
    const qreal character = 10 * SkinScale();
    font.setPixelSize(line);
    const int lineHeight = QFontMetrics(font).height();
    if (lineHeight > 0)
        font.setPixelSize(std::max(1, line * line / lineHeight));
    const int averageWidth = QFontMetrics(font).averageCharWidth();
    if (averageWidth > 0)
        font.setStretch(std::clamp(qRound(100 * character / averageWidth), 50, 200));
    return font;
}

void SkinListBox::ApplyColours()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, m_bkColor);
    colours.setColor(QPalette::Window, m_bkColor);
    colours.setColor(QPalette::Text, m_textColor);
    colours.setColor(QPalette::Highlight, m_selBkColor);
    colours.setColor(QPalette::HighlightedText, m_selTextColor);
    setPalette(colours);
    viewport()->update();
}

void SkinListBox::SetBkColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    if (colour.isValid())
        m_bkColor = colour;
    ApplyColours();
    if (m_scrollBar)
        m_scrollBar->SetBkColor(color);
}

void SkinListBox::SetTextColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    if (colour.isValid())
        m_textColor = colour;
    ApplyColours();
}

void SkinListBox::SetSelBkColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    if (colour.isValid())
        m_selBkColor = colour;
    ApplyColours();
}

void SkinListBox::SetSelTextColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    if (colour.isValid())
        m_selTextColor = colour;
    ApplyColours();
}

void SkinListBox::InitScrollBar(const ScrollBarFiles &files)
{
    delete m_scrollBar.data();
    m_scrollBar = new SkinScrollBar(parentWidget());
    m_scrollBar->LoadBitmaps(files);
    m_scrollBar->SetList(this);
    m_scrollBar->SetBkColor(ToColorValue(m_bkColor));
    m_scrollBar->show();
    PlaceScrollBar();
}

void SkinListBox::PlaceScrollBar()
{
    SkinScrollBar *bar = m_scrollBar.data();
    if (!bar)
        return;
    const int barWidth = bar->BarWidth();
    const QRect list = geometry();
    const int width = std::max(0, list.width() - barWidth);
    resize(width, list.height());
    bar->setGeometry(list.left() + width, list.top(), barWidth, list.height());
    bar->UpdateBar();
}

void SkinListBox::InsertColumn(Qt::Alignment alignment, int width)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    m_columnAlignments.push_back(alignment);
    header()->resizeSection(column, std::max(0, width));
}

QString SkinListBox::RowNumber(int number)
{
    return QStringLiteral("%1.").arg(QString::number(number), 3);
}

void SkinListBox::AddRow(const QStringList &texts)
{
    auto *item = new QTreeWidgetItem(texts);
    for (int column = 0; column < int(m_columnAlignments.size()); ++column)
        item->setTextAlignment(column, m_columnAlignments[column]);
    addTopLevelItem(item);
}

void SkinListBox::AddFile(const QString &path)
{
    AddRow({RowNumber(topLevelItemCount() + 1), path});
    // However the path is cut to fit, the whole of it shows under the mouse.
    QTreeWidgetItem *row = topLevelItem(topLevelItemCount() - 1);
    for (int column = 0; column < columnCount(); ++column)
        row->setToolTip(column, path);
}

void SkinListBox::DrawPath(QPainter &painter, const QRect &box, const QString &path,
                           const QFontMetrics &metrics, const QColor &text, const QColor &ground)
{
    // The file's name first, in full view; its folder after it, dimmed, giving way first.
    const ShownPath shown = NameThenFolder(path, metrics, box.width());
    painter.save();
    painter.setPen(text);
    painter.drawText(box, int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine, shown.name);
    if (!shown.folder.isEmpty()) {
        // Two thirds of the way from the ground to the text: set apart, still legible.
        painter.setPen(QColor((text.red() * 2 + ground.red()) / 3,
                              (text.green() * 2 + ground.green()) / 3,
                              (text.blue() * 2 + ground.blue()) / 3));
        const int left = metrics.horizontalAdvance(shown.name + kFolderGap);
        painter.drawText(box.adjusted(left, 0, 0, 0),
                         int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine, shown.folder);
    }
    painter.restore();
}

SkinListBox::ShownPath SkinListBox::NameThenFolder(const QString &path, const QFontMetrics &metrics,
                                                   int width)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    ShownPath shown;
    shown.name = metrics.elidedText(path.mid(slash + 1), Qt::ElideMiddle, width);
    const QString folder = slash > 0    ? path.left(slash)
                           : slash == 0 ? QStringLiteral("/")
                                        : QString();
    const int room = width - metrics.horizontalAdvance(shown.name + kFolderGap);
    // A folder shown only as an ellipsis says nothing: then none at all.
    if (!folder.isEmpty() && room > metrics.horizontalAdvance(QStringLiteral("/\u2026/")))
        shown.folder = metrics.elidedText(folder, Qt::ElideLeft, room);
    return shown;
}

QString SkinListBox::RowText(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

bool SkinListBox::SelectRow(int row)
{
    QTreeWidgetItem *item = topLevelItem(row);
    if (!item)
        return false;
    clearSelection();
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
    return true;
}

int SkinListBox::SelectedRow() const
{
    QTreeWidgetItem *item = currentItem();
    return item ? indexOfTopLevelItem(item) : -1;
}

void SkinListBox::RemoveSelected()
{
    QStringList kept;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = topLevelItem(row);
        if (!item->isSelected())
            kept << item->text(1);
    }
    clear();
    for (const QString &path : kept)
        AddFile(path);
    viewport()->update();
}

bool SkinListBox::MoveFile(int from, int to)
{
    const int rows = topLevelItemCount();
    if (from < 0 || to < 0 || from >= rows || to >= rows)
        return false;
    QStringList paths;
    for (int row = 0; row < rows; ++row)
        paths << topLevelItem(row)->text(kPathColumn);
    paths.move(from, to);
    for (int row = std::min(from, to); row <= std::max(from, to); ++row) {
        QTreeWidgetItem *item = topLevelItem(row);
        item->setText(kPathColumn, paths[row]);
        for (int column = 0; column < columnCount(); ++column)
            item->setToolTip(column, paths[row]);
    }
    return true;
}

void SkinListBox::mouseMoveEvent(QMouseEvent *event)
{
    // The bar sees the move in list coordinates, which lie off its parts: it drops any
    // highlight.
    if (m_scrollBar)
        m_scrollBar->HandleMouseMove(event->position().toPoint(), event->buttons());
    QTreeWidget::mouseMoveEvent(event);
}

void SkinListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        OnClicked();
}

void SkinListBox::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
    if (m_scrollBar)
        m_scrollBar->UpdateBar();
}

void SkinListBox::OnClicked()
{
    if (m_host)
        m_host->OnListClicked();
}

} // namespace lumaskin
