#pragma once
// Window elements carry the names their string tables and the other windows know them by.
#include <QLabel>

namespace twinsweep {

template <typename T> T* Named(T* object, const char* name) {
    object->setObjectName(name);
    return object;
}

inline QLabel* NamedLabel(const char* name, QWidget* parent) {
    return Named(new QLabel(parent), name);
}

} // namespace twinsweep
