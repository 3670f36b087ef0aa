#pragma once

#include <QObject>

// The looks a skinned component can take. Components publish it as the property
// "UIStyle" of type TsuiStyles::TsuiUIStyle; stored descriptions name the value.
class TsuiStyles {
    Q_GADGET
public:
    enum TsuiUIStyle : quint8 { FromThemeFile, MacOS, WinXP, DeepBlue, Protein, BlueGlass };
    Q_ENUM(TsuiUIStyle)
};
using TsuiUIStyle = TsuiStyles::TsuiUIStyle;

namespace skin::themes {

// The built-in styles, in table order.
inline constexpr TsuiUIStyle kBuiltInStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP,
                                                 TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                                                 TsuiUIStyle::BlueGlass};

// The look of the program's windows until a theme manager gives them another.
inline constexpr TsuiUIStyle kProgramStyle = TsuiUIStyle::WinXP;

// The style's name as stored ("WinXP"); empty for a value outside the enumeration.
QString uiStyleName(TsuiUIStyle style);
// The built-in style of that name (case-insensitive); false when there is none.
bool builtInStyleFromName(const QString& name, TsuiUIStyle& style);

} // namespace skin::themes
