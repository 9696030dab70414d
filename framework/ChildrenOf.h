// Descendants of a widget that are of one of the framework's classes.
// (Qt's own search matches classes by their meta-object, which the
// framework's classes do not declare, so it cannot tell them apart.)
#pragma once

#include <QObject>
#include <vector>

namespace fw {

template <class T>
std::vector<T*> ChildrenOf(const QObject* parent)
{
    std::vector<T*> found;
    if (!parent)
        return found;
    for (QObject* child : parent->findChildren<QObject*>())
        if (T* t = dynamic_cast<T*>(child))
            found.push_back(t);
    return found;
}

}  // namespace fw
