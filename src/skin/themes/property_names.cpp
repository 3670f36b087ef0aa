#include "skin/themes/property_names.h"

#include <QMetaObject>
#include <QObject>

namespace skin::themes {

bool HasProperty(const QObject* component, const char* name) {
    return component && component->metaObject()->indexOfProperty(name) >= 0;
}

} // namespace skin::themes
