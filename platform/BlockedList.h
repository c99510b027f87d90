// A sequence of pointers kept in blocks of at most a few hundred, so that
// inserting or erasing in the middle moves one block rather than the whole
// sequence. A Fenwick tree over the block sizes finds position i in
// O(log blocks). Each element notes its block in the member Home, which makes
// finding an element's position cost one block search instead of a scan.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace kw {

template <class T, const void* T::* Home>
class BlockedList {
    static constexpr std::size_t kMaxBlock = 256;

    struct Block {
        std::vector<T*> items;
        std::size_t ordinal = 0;  // position in blocks_
    };

public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T* const*;
        using reference = T* const&;

        const_iterator() = default;
        reference operator*() const { return (*blocks_)[block_]->items[offset_]; }
        const_iterator& operator++() {
            if (++offset_ == (*blocks_)[block_]->items.size()) {
                ++block_;
                offset_ = 0;
            }
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const const_iterator& o) const { return block_ == o.block_ && offset_ == o.offset_; }

    private:
        friend class BlockedList;
        const_iterator(const std::vector<std::unique_ptr<Block>>* blocks, std::size_t block)
            : blocks_(blocks), block_(block) {}
        const std::vector<std::unique_ptr<Block>>* blocks_ = nullptr;
        std::size_t block_ = 0;
        std::size_t offset_ = 0;
    };

    BlockedList() = default;
    BlockedList(const BlockedList&) = delete;
    BlockedList& operator=(const BlockedList&) = delete;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const_iterator begin() const { return const_iterator(&blocks_, 0); }
    const_iterator end() const { return const_iterator(&blocks_, blocks_.size()); }

    T* operator[](std::size_t index) const {
        const auto [block, offset] = Locate(index);
        return blocks_[block]->items[offset];
    }

    void insert(std::size_t index, T* item) {
        if (blocks_.empty()) {
            AddBlock(0);
            Renumber(0);
        }
        auto [block, offset] = index == size_ ? std::pair{blocks_.size() - 1, blocks_.back()->items.size()}
                                              : Locate(index);
        Block& b = *blocks_[block];
        b.items.insert(b.items.begin() + static_cast<std::ptrdiff_t>(offset), item);
        item->*Home = &b;
        ++size_;
        if (b.items.size() > kMaxBlock)
            Split(block);
        else
            Grow(block);
    }

    void erase(std::size_t index) {
        const auto [block, offset] = Locate(index);
        Block& b = *blocks_[block];
        b.items[offset]->*Home = nullptr;
        b.items.erase(b.items.begin() + static_cast<std::ptrdiff_t>(offset));
        --size_;
        if (b.items.empty()) {
            blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
            Renumber(block);
        } else {
            Shrink(block);
        }
    }

    // The position of item, or -1 when it is not in this list.
    std::ptrdiff_t indexOf(const T* item) const {
        const auto* home = static_cast<const Block*>(item->*Home);
        if (!home || home->ordinal >= blocks_.size() || blocks_[home->ordinal].get() != home) return -1;
        const auto it = std::find(home->items.begin(), home->items.end(), item);
        if (it == home->items.end()) return -1;
        return static_cast<std::ptrdiff_t>(Prefix(home->ordinal)) + (it - home->items.begin());
    }

    // Replaces the contents with items, in that order.
    void assign(const std::vector<T*>& items) {
        blocks_.clear();
        for (std::size_t start = 0; start < items.size(); start += kMaxBlock / 2) {
            Block& b = AddBlock(blocks_.size());
            const std::size_t stop = std::min(items.size(), start + kMaxBlock / 2);
            b.items.assign(items.begin() + static_cast<std::ptrdiff_t>(start),
                           items.begin() + static_cast<std::ptrdiff_t>(stop));
            for (T* item : b.items) item->*Home = &b;
        }
        size_ = items.size();
        Renumber(0);
    }

private:
    Block& AddBlock(std::size_t at) {
        auto it = blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(at), std::make_unique<Block>());
        return **it;
    }

    // Moves the back half of an overfull block into a new block after it.
    void Split(std::size_t block) {
        Block& full = *blocks_[block];
        Block& next = AddBlock(block + 1);
        const auto half = full.items.begin() + static_cast<std::ptrdiff_t>(full.items.size() / 2);
        next.items.assign(half, full.items.end());
        full.items.erase(half, full.items.end());
        for (T* item : next.items) item->*Home = &next;
        Renumber(block + 1);
    }

    // After blocks come or go: fixes the ordinals from `from` on and rebuilds the tree.
    void Renumber(std::size_t from) {
        for (std::size_t i = from; i < blocks_.size(); ++i) blocks_[i]->ordinal = i;
        tree_.assign(blocks_.size() + 1, 0);
        for (std::size_t i = 1; i <= blocks_.size(); ++i) {
            tree_[i] += blocks_[i - 1]->items.size();
            const std::size_t parent = i + (i & (0 - i));
            if (parent <= blocks_.size()) tree_[parent] += tree_[i];
        }
    }

    void Grow(std::size_t block) {
        for (std::size_t i = block + 1; i < tree_.size(); i += i & (0 - i)) ++tree_[i];
    }

    void Shrink(std::size_t block) {
        for (std::size_t i = block + 1; i < tree_.size(); i += i & (0 - i)) --tree_[i];
    }

    // The number of elements in the blocks before `block`.
    std::size_t Prefix(std::size_t block) const {
        std::size_t sum = 0;
        for (std::size_t i = block; i > 0; i -= i & (0 - i)) sum += tree_[i];
        return sum;
    }

    // The block holding position index (< size()) and the offset in it.
    std::pair<std::size_t, std::size_t> Locate(std::size_t index) const {
        std::size_t block = 0;
        std::size_t step = 1;
        while (step * 2 < tree_.size()) step *= 2;
        for (; step > 0; step /= 2)
            if (block + step < tree_.size() && tree_[block + step] <= index) {
                block += step;
                index -= tree_[block];
            }
        return {block, index};
    }

    std::vector<std::unique_ptr<Block>> blocks_;
    std::vector<std::size_t> tree_{0};  // tree_[i]: Fenwick sums of block sizes, 1-based
    std::size_t size_ = 0;
};

}  // namespace kw
