// The maps of a paint manager (control names, option groups, images, default
// attribute lists): 83 buckets of singly linked entries keyed by UTF-16 text,
// compared exactly. A lookup moves the entry it finds to the front of its
// bucket, so names used often are found first. Platform-neutral.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace Veneer {

constexpr std::uint32_t kNameMapBuckets = 83;

// hash := hash * 33 + c for each code unit from the last to the first.
constexpr std::uint32_t NameHash(std::wstring_view key) {
  std::uint32_t hash = 0;
  for (auto it = key.rbegin(); it != key.rend(); ++it) {
    hash = hash * 33 + static_cast<std::uint32_t>(*it);
  }
  return hash;
}

constexpr std::uint32_t NameBucket(std::wstring_view key) {
  return NameHash(key) % kNameMapBuckets;
}

template <typename Value>
class NameMap {
 public:
  NameMap() = default;
  NameMap(const NameMap&) = delete;
  NameMap& operator=(const NameMap&) = delete;
  ~NameMap() { Clear(); }

  // The value stored under `key`, or nullptr.
  Value* Find(std::wstring_view key) {
    Link* link = LinkOf(key);
    if (!*link) return nullptr;
    Link* head = &buckets_[NameBucket(key)];
    if (link != head) {  // move to front
      Link found = std::move(*link);
      *link = std::move(found->next);
      found->next = std::move(*head);
      *head = std::move(found);
    }
    return &(*head)->value;
  }

  // Adds the entry unless the key is present; false (and `value` dropped)
  // when it is.
  bool Insert(std::wstring_view key, Value value) {
    if (*LinkOf(key)) return false;
    Prepend(key, std::move(value));
    return true;
  }

  // Adds the entry or replaces the value of an existing one.
  void Set(std::wstring_view key, Value value) {
    if (Entry* entry = LinkOf(key)->get()) {
      entry->value = std::move(value);
    } else {
      Prepend(key, std::move(value));
    }
  }

  bool Remove(std::wstring_view key) {
    Link* link = LinkOf(key);
    if (!*link) return false;
    *link = std::move((*link)->next);
    return true;
  }

  // Calls visit(key, value) for every entry.
  template <typename Visit>
  void ForEach(Visit visit) {
    for (auto& bucket : buckets_) {
      for (Entry* entry = bucket.get(); entry; entry = entry->next.get()) {
        visit(std::wstring_view(entry->key), entry->value);
      }
    }
  }

  // Calls visit(key, value) for every entry; visit answers true to remove it.
  template <typename Visit>
  void RemoveIf(Visit visit) {
    for (auto& bucket : buckets_) {
      for (Link* link = &bucket; *link;) {
        if (visit(std::wstring_view((*link)->key), (*link)->value)) {
          *link = std::move((*link)->next);
        } else {
          link = &(*link)->next;
        }
      }
    }
  }

  void Clear() {
    // Unlinks iteratively: a long chain must not recurse in destructors.
    for (auto& bucket : buckets_) {
      while (bucket) bucket = std::move(bucket->next);
    }
  }

 private:
  struct Entry {
    std::wstring key;
    Value value;
    std::unique_ptr<Entry> next;
  };
  using Link = std::unique_ptr<Entry>;

  // The link that holds the entry of `key`, or the empty link at the end of
  // its bucket.
  Link* LinkOf(std::wstring_view key) {
    Link* link = &buckets_[NameBucket(key)];
    while (*link && (*link)->key != key) link = &(*link)->next;
    return link;
  }
  void Prepend(std::wstring_view key, Value value) {
    Link& head = buckets_[NameBucket(key)];
    head.reset(new Entry{std::wstring(key), std::move(value), std::move(head)});
  }

  Link buckets_[kNameMapBuckets];
};

}  // namespace Veneer
