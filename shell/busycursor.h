#pragma once

#include <QGuiApplication>

// The busy pointer while it lives, for work the user waits for.
class TBusyCursor {
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
