#pragma once

// Names of the published properties that the skin reads and writes by name, on components
// whose class it does not know.
class QObject;

namespace skin::themes::property {
inline constexpr char FileTheme[] = "FileTheme";
inline constexpr char UIStyle[] = "UIStyle";
inline constexpr char Menu[] = "Menu";
} // namespace skin::themes::property

namespace skin::themes {

// Whether the component's class publishes a property of that name.
bool HasProperty(const QObject* component, const char* name);

} // namespace skin::themes
