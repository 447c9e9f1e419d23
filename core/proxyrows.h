#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

// The rows a filter model shows, as ascending keys (source rows, or places in a sort order), and
// the step from one set of keys to the next announced as runs of removed and inserted rows.
//
// The step is one sweep over both sets: the rows kept so far lie at the front of one buffer and
// the old rows not yet visited at its back, so every run costs its own length, never a shift of
// the rows behind it, and at() answers for the model as it stands between the signals of each
// run. A filter pass thus costs the rows it shows and changes, however many runs it announces.
class ProxyRows
{
public:
    struct Announce
    {
        std::function<void(int first, int last)> beginRemove;
        std::function<void()> endRemove;
        std::function<void(int first, int last)> beginInsert;
        std::function<void()> endInsert;
    };

    int count() const { return int(m_write + (m_end - m_read)); }
    int at(int row) const { return row < m_write ? m_buffer[row] : m_buffer[m_read + (row - m_write)]; }
    // The row that holds the key, -1 when none does.
    int find(int key) const;

    // The new keys, ascending and distinct, without a word to anyone: inside a reset or a
    // layout change.
    void assign(std::vector<int> keys);
    // The new keys, ascending and distinct, announced run by run in ascending order.
    void update(const std::vector<int> &keys, const Announce &announce);

private:
    std::vector<int> m_buffer;
    int m_write = 0; // rows [0, m_write) are final
    int m_read = 0;  // [m_read, m_end): old rows not yet visited
    int m_end = 0;
};
