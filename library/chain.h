#pragma once

#include <memory>

// The library's lists are singly linked: the owner holds the head and a raw
// tail, every member owns its successor through Next.

template <class T, class U> void AppendToChain(std::unique_ptr<T>& first, T*& last, std::unique_ptr<U> item) {
    T* const appended = item.get();
    if (first)
        last->Next = std::move(item);
    else
        first = std::move(item);
    last = appended;
}

// Destroys the members after a node one at a time. Called from each member's
// destructor, so a list of any length is freed without deep recursion.
template <class T> void UnlinkChain(std::unique_ptr<T>& next) {
    while (next)
        next = std::move(next->Next);
}
