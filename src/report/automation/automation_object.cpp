#include "report/automation/automation_object.h"

#include "report/automation/automation_error.h"

namespace automation {

Variant AutomationObject::get(const QString& name, const Arguments& arguments) {
    const Member& found = member(name);
    if (!found.getter)
        throw AutomationError(QStringLiteral("Member not found: %1.").arg(name));
    return found.getter(arguments);
}

void AutomationObject::put(const QString& name, const Variant& value) {
    const Member& found = member(name);
    if (!found.setter)
        throw AutomationError(QStringLiteral("Member not found: %1.").arg(name));
    found.setter(value);
}

void AutomationObject::addMember(const QString& name, Getter getter, Setter setter) {
    m_members.push_back({name, std::move(getter), std::move(setter)});
}

const AutomationObject::Member& AutomationObject::member(const QString& name) const {
    for (const Member& m : m_members) {
        if (m.name.compare(name, Qt::CaseInsensitive) == 0)
            return m;
    }
    throw AutomationError::unknownName(name);
}

void expectArguments(const Arguments& arguments, std::size_t least, std::size_t most) {
    if (arguments.size() < least || arguments.size() > most)
        throw AutomationError("Wrong number of arguments.");
}

} // namespace automation
