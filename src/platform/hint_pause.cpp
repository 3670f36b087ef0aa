#include "platform/hint_pause.h"

#include <QApplication>
#include <QProxyStyle>

namespace platform {
namespace {

// Answers the tool-tip wake-up delay; everything else comes from the style beneath.
class HintPauseStyle : public QProxyStyle {
public:
    explicit HintPauseStyle(int milliseconds) : m_milliseconds(milliseconds) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return m_milliseconds;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    int m_milliseconds;
};

} // namespace

void setHintPause(int milliseconds) {
    if (auto* current = dynamic_cast<HintPauseStyle*>(QApplication::style())) {
        current->m_milliseconds = milliseconds;
        return;
    }
    QApplication::setStyle(new HintPauseStyle(milliseconds));
}

int hintPause() {
    return QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
}

} // namespace platform
