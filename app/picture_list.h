#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace lumaskin {

// The pictures to convert, in the user's order, and the one shown: the program's own list,
// which outlives every skin. The skin's list control only shows it.
class PictureList : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    const QStringList &Paths() const { return m_paths; }
    int Count() const { return static_cast<int>(m_paths.size()); }
    // The current row, -1 when there is none.
    int Current() const { return m_current; }
    // The current row's path; empty when there is none.
    QString CurrentPath() const;

    // Appends the paths the list does not hold yet; the last of them becomes current. Returns
    // how many it held already (each picture is listed once).
    int Add(const QStringList &paths);
    // Removes the current row (nothing when there is none); the row before it becomes current,
    // or after the first row the new first row.
    void RemoveCurrent();
    void Clear();
    // Moves the current row `offset` places, keeping it current. False, with nothing changed,
    // when it would leave the list or there is no current row.
    bool MoveCurrent(int offset);
    // False, with nothing changed, for a row the list does not have; -1 leaves no row current.
    bool SetCurrent(int row);

signals:
    // The rows changed; the current row may have too.
    void rowsChanged();
    // Only the current row changed.
    void currentChanged(int row);

private:
    QStringList m_paths;
    int m_current = -1;
};

} // namespace lumaskin
