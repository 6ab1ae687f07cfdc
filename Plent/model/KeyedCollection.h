#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "CLoadSaveObject.h"
#include "FileSection.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/text/TextKey.h"

namespace Plent {

// An ordered collection of shared elements under unique string keys that are
// compared without regard to letter case. Positions count from 1. KeyField
// stores the key in the element: KeyField::set(T&, const std::string&) and
// KeyField::get(const T&). The key an element was added under stays its key
// in the collection, whatever later happens to its key field.
//
// Most collections hold a few elements (the days and weekdays of a rule):
// up to IndexedFrom elements the folded keys sit beside the elements and a
// lookup compares them in turn; from then on a hash index holds them.
template <class T, class KeyField>
class KeyedCollection {
    struct Entry {
        std::shared_ptr<T> element;
        // The folded key while the collection is not indexed, else empty.
        std::string key;
    };
    using Entries = std::vector<Entry>;

public:
    using Ptr = std::shared_ptr<T>;
    static constexpr size_t IndexedFrom = 8;

    // Enumerates the elements in order.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Ptr;
        using difference_type = std::ptrdiff_t;
        using pointer = const Ptr*;
        using reference = const Ptr&;

        const_iterator() = default;
        explicit const_iterator(typename Entries::const_iterator at) : at_(at) {}
        reference operator*() const { return at_->element; }
        pointer operator->() const { return &at_->element; }
        const_iterator& operator++()
        {
            ++at_;
            return *this;
        }
        const_iterator operator++(int) { return const_iterator(at_++); }
        bool operator==(const const_iterator&) const = default;

    private:
        typename Entries::const_iterator at_;
    };

    // Sets the element's key field, then files it at the end. A key that is
    // already held fails with the duplicate-key error and changes nothing.
    Ptr Add(Ptr element, const std::string& key) { return insert(std::move(element), key, items_.size()); }

    // The element, or nothing for an unknown key or a position out of range.
    Ptr Item(const std::string& key) const
    {
        const std::string folded = Platform::TextKey::fold(key);
        if (indexed()) {
            const auto it = index_.find(folded);
            return it == index_.end() ? nullptr : it->second;
        }
        const auto it = findEntry(folded);
        return it == items_.end() ? nullptr : it->element;
    }
    Ptr Item(int64_t position) const
    {
        return position >= 1 && position <= Count() ? items_[static_cast<size_t>(position - 1)].element : nullptr;
    }

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }

    // An unknown key fails with the missing-element error, a position out of
    // range with subscript out of range.
    void Remove(const std::string& key)
    {
        const std::string folded = Platform::TextKey::fold(key);
        if (indexed()) {
            const auto it = index_.find(folded);
            if (it == index_.end()) Platform::Raise(Platform::Err::MissingElement, "Collection.Remove");
            items_.erase(entryOf(it->second.get()));
            index_.erase(it);
        } else {
            const auto it = findEntry(folded);
            if (it == items_.end()) Platform::Raise(Platform::Err::MissingElement, "Collection.Remove");
            items_.erase(it);
        }
    }
    void Remove(int64_t position)
    {
        const Ptr element = Item(position);
        if (!element) Platform::Raise(Platform::Err::SubscriptOutOfRange, "Collection.Remove");
        if (indexed()) {
            for (auto it = index_.begin(); it != index_.end(); ++it) {
                if (it->second == element) { index_.erase(it); break; }
            }
        }
        items_.erase(items_.begin() + (position - 1));
    }

    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

protected:
    // The collection's section of the event file: a header with the
    // collection's class name, then each element's own section, in order.
    // There is no count: the section ends before the first header that does
    // not name the element class (T::ClassName), which stays unread.
    void SaveSection(CLoadSaveObject& stream, const std::string& className) const
    {
        stream.WriteHEADER(className, 0);
        for (const auto& entry : items_) entry.element->Save(stream);
    }
    void LoadSection(CLoadSaveObject& stream, const std::string& className)
    {
        if (!FileSection::Begin(stream, className)) return;
        std::string next;
        while (FileSection::Peek(stream, next) && next == T::ClassName) {
            auto element = std::make_shared<T>();
            element->Load(stream);
            Add(element, KeyField::get(*element));
        }
    }

    // The position (0-based) of the element held under key, for inserting
    // before it; fails with the missing-element error for an unknown key.
    size_t positionOf(const std::string& key) const
    {
        const Ptr element = Item(key);
        if (!element) Platform::Raise(Platform::Err::MissingElement, "Collection.Add");
        return static_cast<size_t>(entryOf(element.get()) - items_.begin());
    }

    Ptr insert(Ptr element, const std::string& key, size_t position)
    {
        KeyField::set(*element, key);
        std::string folded = Platform::TextKey::fold(key);
        if (items_.capacity() == 0) items_.reserve(4);
        const auto at = items_.begin() + static_cast<std::ptrdiff_t>(position);
        if (indexed()) {
            const auto [slot, added] = index_.try_emplace(std::move(folded), element);
            if (!added) raiseDuplicate();
            try {
                items_.insert(at, Entry{element, {}});
            } catch (...) {
                index_.erase(slot);
                throw;
            }
        } else {
            if (findEntry(folded) != items_.end()) raiseDuplicate();
            items_.insert(at, Entry{element, std::move(folded)});
            if (items_.size() == IndexedFrom) buildIndex();
        }
        return element;
    }

private:
    // Once emptied, a collection starts again without its index.
    bool indexed() const { return !index_.empty(); }

    typename Entries::const_iterator findEntry(const std::string& folded) const
    {
        return std::find_if(items_.begin(), items_.end(), [&](const Entry& e) { return e.key == folded; });
    }
    typename Entries::const_iterator entryOf(const T* element) const
    {
        return std::find_if(items_.begin(), items_.end(), [&](const Entry& e) { return e.element.get() == element; });
    }

    [[noreturn]] static void raiseDuplicate() { Platform::Raise(Platform::Err::DuplicateKey, "Collection.Add"); }

    // Moves the keys from beside the elements into the index.
    void buildIndex()
    {
        std::unordered_map<std::string, Ptr> index;
        index.reserve(items_.size() * 2);
        for (const auto& entry : items_) index.emplace(entry.key, entry.element);
        index_ = std::move(index);
        for (auto& entry : items_) entry.key = std::string();
    }

    Entries items_;
    std::unordered_map<std::string, Ptr> index_;
};

// Key field policy for elements whose key lives in a member "Key".
struct KeyMember {
    template <class T>
    static void set(T& element, const std::string& key) { element.setKey(key); }
    template <class T>
    static const std::string& get(const T& element) { return element.Key(); }
};

} // namespace Plent
