#include "proxyrows.h"

#include <algorithm>

int ProxyRows::find(int key) const
{
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (at(middle) < key)
            low = middle + 1;
        else
            high = middle;
    }
    return low < count() && at(low) == key ? low : -1;
}

void ProxyRows::assign(std::vector<int> keys)
{
    m_buffer = std::move(keys);
    m_write = 0;
    m_read = 0;
    m_end = int(m_buffer.size());
}

void ProxyRows::update(const std::vector<int> &keys, const Announce &announce)
{
    const int oldCount = count();
    const int newCount = int(keys.size());
    // The new rows are written from the front, the old ones wait at the back: the writer never
    // catches up with the reader, as it has written no more rows than the new keys it has used.
    std::vector<int> buffer(size_t(newCount) + size_t(oldCount));
    for (int row = 0; row < oldCount; ++row)
        buffer[size_t(newCount + row)] = at(row);
    m_buffer.swap(buffer);
    m_write = 0;
    m_read = newCount;
    m_end = newCount + oldCount;

    size_t next = 0;
    while (m_read < m_end || next < keys.size()) {
        if (m_read < m_end && (next == keys.size() || m_buffer[m_read] < keys[next])) {
            int length = 1;
            while (m_read + length < m_end && (next == keys.size() || m_buffer[m_read + length] < keys[next]))
                ++length;
            announce.beginRemove(m_write, m_write + length - 1);
            m_read += length;
            announce.endRemove();
        } else if (next < keys.size() && (m_read == m_end || keys[next] < m_buffer[m_read])) {
            size_t length = 1;
            while (next + length < keys.size() && (m_read == m_end || keys[next + length] < m_buffer[m_read]))
                ++length;
            announce.beginInsert(m_write, m_write + int(length) - 1);
            std::copy(keys.begin() + qsizetype(next), keys.begin() + qsizetype(next + length),
                      m_buffer.begin() + m_write);
            m_write += int(length);
            next += length;
            announce.endInsert();
        } else {
            m_buffer[m_write++] = m_buffer[m_read++];
            ++next;
        }
    }
    m_buffer.resize(size_t(m_write));
    m_end = m_write;
    m_write = 0;
    m_read = 0;
}
