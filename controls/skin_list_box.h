#pragma once

#include "controls/skin_scroll_bar.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <cstdint>
#include <string>
#include <vector>

namespace lumaskin {

class SkinHost;

// The skinned list: rows without a header, its own colours for normal and selected rows and
// its own font, and instead of the built-in scroll bar a SkinScrollBar placed just to its
// right as a sibling window. The main window's list has two columns, the row number
// ("%3s." of the 1-based number) and a file path.
class SkinListBox : public QTreeWidget
{
    Q_OBJECT
public:
    explicit SkinListBox(QWidget *parent = nullptr);

    void Create(const QRect &rect);
    void SetHost(SkinHost *host) { m_host = host; }

    void SetBkColor(std::uint32_t color);
    void SetTextColor(std::uint32_t color);
    void SetSelBkColor(std::uint32_t color);
    void SetSelTextColor(std::uint32_t color);
    QColor BkColor() const { return m_bkColor; }
    QColor TextColor() const { return m_textColor; }
    QColor SelBkColor() const { return m_selBkColor; }
    QColor SelTextColor() const { return m_selTextColor; }

    // The list's font: "Arial" (or its stand-in), 18 pixels a line, 10 pixels a character.
    static QFont ListFont();

    // Creates the scroll bar beside the list (a child of the list's parent), loads its
    // bitmaps, links it to the list and places it.
    void InitScrollBar(const ScrollBarFiles &files);
    // Narrows the list by the bar's width and puts the bar in the freed strip.
    virtual void PlaceScrollBar();
    SkinScrollBar *ScrollBar() const { return m_scrollBar.data(); }

    // The width rows are drawn in, known before the list is first shown.
    int ClientWidth() const { return contentsRect().width(); }
    // Appends a column with its alignment and width.
    void InsertColumn(Qt::Alignment alignment, int width);

    // Appends a row numbered after the last one, with `path` in the second column and as
    // the row's tooltip.
    void AddFile(const QString &path);
    // Removes the selected rows; the others are numbered again from 1 in their order.
    virtual void RemoveSelected();
    // Moves the file of row `from` to row `to` (both 0-based), the rows between shifting
    // towards `from`; the numbers stay in order. False when either row does not exist.
    bool MoveFile(int from, int to);
    // The number text of row `number` (1-based): right-aligned in three characters, a point.
    static QString RowNumber(int number);
    // The column of the file paths, each shown as its name, then its folder (NameThenFolder).
    static constexpr int kPathColumn = 1;
    // How a row shows `path` in `width` pixels: the file's name first, whole or cut in its own
    // middle, then its folder after a gap, its nearest folders kept and the rest given way to
    // an ellipsis (empty when no room is left). The folder is drawn dimmed.
    struct ShownPath
    {
        QString name;
        QString folder;
    };
    static ShownPath NameThenFolder(const QString &path, const QFontMetrics &metrics, int width);
    // Draws `path` so in `box`: the name in `text`, the folder between `text` and `ground`.
    static void DrawPath(QPainter &painter, const QRect &box, const QString &path,
                         const QFontMetrics &metrics, const QColor &text, const QColor &ground);

    int RowCount() const { return topLevelItemCount(); }
    QString RowText(int row, int column) const;
    // Makes `row` the current and only selected row and scrolls it into view; false, with
    // nothing changed, for a row the list does not have.
    bool SelectRow(int row);
    // The current row, -1 when there is none.
    int SelectedRow() const;
    void SetIndex(int index) { m_index = index; }
    int Index() const { return m_index; }
    void SetName(const std::string &name) { m_name = name; }
    const std::string &Name() const { return m_name; }

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // A click on the list; the main list tells its host.
    virtual void OnClicked();
    void AddRow(const QStringList &texts);

private:
    void ApplyColours();

    SkinHost *m_host = nullptr;
    std::string m_name;
    int m_index = 0;
    QPointer<SkinScrollBar> m_scrollBar;
    QColor m_selTextColor = Qt::white;
    QColor m_selBkColor = Qt::darkBlue;
    QColor m_textColor = Qt::black;
    QColor m_bkColor = Qt::white;
    QFont m_font;
    std::vector<Qt::Alignment> m_columnAlignments;
};

} // namespace lumaskin
