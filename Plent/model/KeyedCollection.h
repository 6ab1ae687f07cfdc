#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "CLoadSaveObject.h"
#include "FileSection.h"
#include "ModelRevision.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/text/TextKey.h"

namespace Plent {

// An ordered collection of shared elements under unique string keys that are
// compared without regard to letter case. Positions count from 1. KeyField
// stores the key in the element: KeyField::set(T&, const std::string&) and
// KeyField::get(const T&).
template <class T, class KeyField>
class KeyedCollection {
public:
    using Ptr = std::shared_ptr<T>;
    using const_iterator = typename std::vector<Ptr>::const_iterator;

    // Sets the element's key field, then files it at the end. A key that is
    // already held fails with the duplicate-key error and changes nothing.
    Ptr Add(Ptr element, const std::string& key) { return insert(std::move(element), key, items_.size()); }

    // The element, or nothing for an unknown key or a position out of range.
    Ptr Item(const std::string& key) const
    {
        const auto it = index_.find(Platform::TextKey::fold(key));
        return it == index_.end() ? nullptr : it->second;
    }
    Ptr Item(int64_t position) const
    {
        return position >= 1 && position <= Count() ? items_[static_cast<size_t>(position - 1)] : nullptr;
    }

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }

    // An unknown key fails with the missing-element error, a position out of
    // range with subscript out of range.
    void Remove(const std::string& key)
    {
        const auto it = index_.find(Platform::TextKey::fold(key));
        if (it == index_.end()) Platform::Raise(Platform::Err::MissingElement, "Collection.Remove");
        eraseFromOrder(it->second.get());
        index_.erase(it);
        ModelRevision::collectionChanged();
    }
    void Remove(int64_t position)
    {
        const Ptr element = Item(position);
        if (!element) Platform::Raise(Platform::Err::SubscriptOutOfRange, "Collection.Remove");
        for (auto it = index_.begin(); it != index_.end(); ++it) {
            if (it->second == element) { index_.erase(it); break; }
        }
        items_.erase(items_.begin() + (position - 1));
        ModelRevision::collectionChanged();
    }

    // Enumeration in order.
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

protected:
    // The collection's section of the event file: a header with the
    // collection's class name, then each element's own section, in order.
    // There is no count: the section ends before the first header that does
    // not name the element class (T::ClassName), which stays unread.
    void SaveSection(CLoadSaveObject& stream, const std::string& className) const
    {
        stream.WriteHEADER(className, 0);
        for (const auto& element : items_) element->Save(stream);
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
        for (size_t i = 0; i < items_.size(); ++i) {
            if (items_[i] == element) return i;
        }
        return items_.size();
    }

    Ptr insert(Ptr element, const std::string& key, size_t position)
    {
        KeyField::set(*element, key);
        const auto [slot, added] = index_.try_emplace(Platform::TextKey::fold(key), element);
        if (!added) Platform::Raise(Platform::Err::DuplicateKey, "Collection.Add");
        try {
            items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), element);
        } catch (...) {
            index_.erase(slot);
            throw;
        }
        ModelRevision::collectionChanged();
        return element;
    }

private:
    void eraseFromOrder(const T* element)
    {
        for (auto it = items_.begin(); it != items_.end(); ++it) {
            if (it->get() == element) { items_.erase(it); return; }
        }
    }

    std::vector<Ptr> items_;
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
