#include "report/automation/object_registry.h"

#include "report/automation/automation_error.h"

#include <QMap>

namespace automation {
namespace {

// Factories by programmatic identifier in lower case.
using ServerTable = QMap<QString, ServerFactory>;

// The servers the program registered.
ServerTable& servers() {
    static ServerTable table;
    return table;
}

// Stand-ins that tests put in front of the registered servers.
ServerTable& overrides() {
    static ServerTable table;
    return table;
}

} // namespace

void registerServer(const QString& programId, ServerFactory factory) {
    servers()[programId.toLower()] = std::move(factory);
}

ObjectPtr createObject(const QString& programId) {
    const QString key = programId.toLower();
    ServerFactory factory = overrides().value(key);
    if (!factory)
        factory = servers().value(key);
    if (!factory)
        throw AutomationError("Invalid class string.");
    return factory();
}

ServerOverride::ServerOverride(const QString& programId, ServerFactory factory)
    : m_programId(programId.toLower()), m_previous(overrides().value(m_programId)) {
    overrides()[m_programId] = std::move(factory);
}

ServerOverride::~ServerOverride() {
    if (m_previous)
        overrides()[m_programId] = std::move(m_previous);
    else
        overrides().remove(m_programId);
}

} // namespace automation
