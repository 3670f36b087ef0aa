#include "report/automation/object_registry.h"

#include "report/automation/automation_error.h"
#include "report/spreadsheet/application_object.h"

#include <QMap>

namespace automation {
namespace {

// The servers this program carries, by programmatic identifier in lower case.
QMap<QString, ServerFactory>& servers() {
    static QMap<QString, ServerFactory> table{
        {QStringLiteral("excel.application"),
         [] {
             return spreadsheet::createApplication();
         }},
    };
    return table;
}

} // namespace

ObjectPtr createObject(const QString& programId) {
    const auto found = servers().constFind(programId.toLower());
    if (found == servers().constEnd() || !*found)
        throw AutomationError("Invalid class string.");
    return (*found)();
}

ServerOverride::ServerOverride(const QString& programId, ServerFactory factory)
    : m_programId(programId.toLower()), m_previous(servers().value(m_programId)) {
    servers()[m_programId] = std::move(factory);
}

ServerOverride::~ServerOverride() {
    servers()[m_programId] = std::move(m_previous);
}

} // namespace automation
