#pragma once

#include <QObject>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A window's part by its object name, as the tests reach what a user sees;
// a part that is not there ends the test program with its name.
template <typename T> T* part(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "no %s named \"%s\"\n", T::staticMetaObject.className(), name);
        std::abort();
    }
    return found;
}
