#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

namespace cordavo {

// A queue of fixed size between one thread that pushes and one that pops,
// without a lock: room for every item is made when the queue is made, so
// neither side allocates, frees or waits.
template <typename T> class SwitchQueue
{
public:
    explicit SwitchQueue(size_t capacity) : m_slots(capacity + 1) {}

    // In the pushing thread: false, and nothing queued, when the queue is full.
    bool push(const T &item)
    {
        const size_t tail = m_tail.load(std::memory_order_relaxed);
        const size_t next = (tail + 1) % m_slots.size();
        if (next == m_head.load(std::memory_order_acquire))
            return false;
        m_slots[tail] = item;
        m_tail.store(next, std::memory_order_release);
        return true;
    }

    // In the popping thread: false when the queue is empty.
    bool pop(T &item)
    {
        const size_t head = m_head.load(std::memory_order_relaxed);
        if (head == m_tail.load(std::memory_order_acquire))
            return false;
        item = m_slots[head];
        m_head.store((head + 1) % m_slots.size(), std::memory_order_release);
        return true;
    }

private:
    std::vector<T> m_slots;
    alignas(64) std::atomic<size_t> m_head = 0;
    alignas(64) std::atomic<size_t> m_tail = 0;
};

// The keys a keyboard plays, on their way from its thread: a SwitchQueue
// that loses nothing unnoticed. Once a key finds it full the keyboard is
// "dropping": the popping side releases every note of the keyboard, and the
// queue takes nothing more until it has taken 'allOff', so that nothing
// played before the loss sounds after it.
template <typename T> class KeyQueue
{
public:
    KeyQueue(size_t capacity, T allOff) : m_queue(capacity), m_allOff(allOff) {}

    void push(const T &item)
    {
        if (m_dropping.load(std::memory_order_relaxed)) {
            if (!m_queue.push(m_allOff))
                return;
            m_dropping.store(false, std::memory_order_release);
        }
        if (!m_queue.push(item))
            m_dropping.store(true, std::memory_order_release);
    }
    bool pop(T &item) { return m_queue.pop(item); }
    // Asked once the queue is empty: what was queued before the loss has been
    // taken, and the keyboard's notes are to be released.
    bool dropping() const { return m_dropping.load(std::memory_order_acquire); }

private:
    SwitchQueue<T> m_queue;
    T m_allOff;
    std::atomic<bool> m_dropping = false;
};

} // namespace cordavo
