#pragma once

#include "report/automation/variant.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace automation {

// A late-bound object: members are looked up by name at the moment of the call, without
// regard to case. Reading a property and calling a method are one kind of call (a
// property may take arguments, as in Workbooks(1)); writing a property is the other.
// A name the object does not have raises "Unknown name: ...".
class AutomationObject : public std::enable_shared_from_this<AutomationObject> {
public:
    virtual ~AutomationObject() = default;

    // Virtual so that an object may stand in front of another and pass calls on.
    virtual Variant get(const QString& name, const Arguments& arguments = {});
    Variant call(const QString& name, const Arguments& arguments = {}) {
        return get(name, arguments);
    }
    virtual void put(const QString& name, const Variant& value);
    // A member that yields an object, as in A.Workbooks(1); "Object required." otherwise.
    std::shared_ptr<AutomationObject> object(const QString& name, const Arguments& arguments = {}) {
        return get(name, arguments).toObject();
    }

protected:
    using Getter = std::function<Variant(const Arguments&)>;
    using Setter = std::function<void(const Variant&)>;

    // Concrete objects declare their members once, in their constructor.
    void addMember(const QString& name, Getter getter, Setter setter = {});

private:
    struct Member {
        QString name;
        Getter getter;
        Setter setter;
    };
    const Member& member(const QString& name) const;

    std::vector<Member> m_members;
};

using ObjectPtr = std::shared_ptr<AutomationObject>;

// Checks the argument count of a member; raises "Wrong number of arguments." otherwise.
void expectArguments(const Arguments& arguments, std::size_t least, std::size_t most);

} // namespace automation
