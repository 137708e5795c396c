#include "app/picture_list.h"

#include <QSet>
#include <algorithm>

namespace lumaskin {

QString PictureList::CurrentPath() const
{
    return m_current >= 0 && m_current < Count() ? m_paths[m_current] : QString();
}

int PictureList::Add(const QStringList &paths)
{
    QSet<QString> listed(m_paths.begin(), m_paths.end());
    int already = 0;
    const int before = Count();
    for (const QString &path : paths) {
        if (listed.contains(path)) {
            ++already;
            continue;
        }
        listed.insert(path);
        m_paths << path;
    }
    if (Count() == before)
        return already;
    m_current = Count() - 1;
    emit rowsChanged();
    return already;
}

void PictureList::RemoveCurrent()
{
    const int removed = m_current;
    if (removed >= 0 && removed < Count())
        m_paths.removeAt(removed);
    m_current = m_paths.isEmpty() ? -1 : std::max(removed - 1, 0);
    emit rowsChanged();
}

void PictureList::Clear()
{
    m_paths.clear();
    m_current = -1;
    emit rowsChanged();
}

bool PictureList::MoveCurrent(int offset)
{
    const int to = m_current + offset;
    if (m_current < 0 || to < 0 || to >= Count())
        return false;
    m_paths.move(m_current, to);
    m_current = to;
    emit rowsChanged();
    return true;
}

bool PictureList::SetCurrent(int row)
{
    if (row < -1 || row >= Count())
        return false;
    if (row != m_current) {
        m_current = row;
        emit currentChanged(row);
    }
    return true;
}

} // namespace lumaskin
