#pragma once
// Creates a window's child widget or object and gives it its objectName, the
// name the program knows the control by (a test finds it by that name).

#include <QObject>
#include <QString>
#include <utility>

namespace platform {

// new T(args...) with the objectName `name` (Latin-1).
template <class T, class... Args>
T* named(const char* name, Args&&... args)
{
    T* object = new T(std::forward<Args>(args)...);
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// The same with a name built at run time.
template <class T, class... Args>
T* named(const QString& name, Args&&... args)
{
    T* object = new T(std::forward<Args>(args)...);
    object->setObjectName(name);
    return object;
}

// The name of element `index` of a control array: "base_index".
inline QString elementName(const char* base, int index)
{
    return QLatin1String(base) + QLatin1Char('_') + QString::number(index);
}

} // namespace platform
