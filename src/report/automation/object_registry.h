#pragma once

#include "report/automation/automation_object.h"

#include <QString>

#include <functional>

namespace automation {

using ServerFactory = std::function<ObjectPtr()>;

// Makes the identifier (matched without regard to case) create objects through the
// factory. Servers register themselves; a later registration replaces an earlier one.
void registerServer(const QString& programId, ServerFactory factory);

// Creates a new instance of the server registered under a programmatic identifier
// (matched without regard to case). An unknown identifier raises "Invalid class string.";
// a factory that fails passes its error on.
ObjectPtr createObject(const QString& programId);

// While one of these lives, the identifier creates objects through the given factory
// in front of the registered server (tests stand in a failing or recording server).
class ServerOverride {
public:
    ServerOverride(const QString& programId, ServerFactory factory);
    ~ServerOverride();
    ServerOverride(const ServerOverride&) = delete;
    ServerOverride& operator=(const ServerOverride&) = delete;

private:
    QString m_programId;
    ServerFactory m_previous;
};

} // namespace automation
