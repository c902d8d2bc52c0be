#pragma once
// Creates a window's child widget or object and gives it its objectName, the
// name the program knows the control by (a test finds it by that name).
// An option button is made as a platform::OptionButton (OptionButton.h), so
// every option group of every window keeps its one tab stop at the option in
// force.

#include <QObject>
#include <QString>
#include <type_traits>
#include <utility>

class QRadioButton;
class QWidget;

namespace platform {

// An OptionButton, seen as the QRadioButton it is.
QRadioButton* newOptionButton(QWidget* parent = nullptr);
QRadioButton* newOptionButton(const QString& text, QWidget* parent = nullptr);

// new T(args...), an option button as an OptionButton.
template <class T, class... Args>
T* create(Args&&... args)
{
    if constexpr (std::is_same_v<T, QRadioButton>)
        return newOptionButton(std::forward<Args>(args)...);
    else
        return new T(std::forward<Args>(args)...);
}

// new T(args...) with the objectName `name` (Latin-1).
template <class T, class... Args>
T* named(const char* name, Args&&... args)
{
    T* object = create<T>(std::forward<Args>(args)...);
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// The same with a name built at run time.
template <class T, class... Args>
T* named(const QString& name, Args&&... args)
{
    T* object = create<T>(std::forward<Args>(args)...);
    object->setObjectName(name);
    return object;
}

// The name of element `index` of a control array: "base_index".
inline QString elementName(const char* base, int index)
{
    return QLatin1String(base) + QLatin1Char('_') + QString::number(index);
}

} // namespace platform
