#pragma once

#include <QProxyStyle>

class TsuiMenu;

namespace skin::controls {

// The style of the skinned menus' drop-down lists: it hands each item to the measure and
// draw handlers installed on its action, and draws the list's frame and background in
// the colours of the skinned menu the list belongs to. Everything else is the
// application style's.
class MenuItemStyle : public QProxyStyle {
    Q_OBJECT

public:
    // The one instance, shared by every skinned menu and released with the application.
    static MenuItemStyle* instance();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

    // The skinned menu that a drop-down list belongs to (itself or an ancestor menu).
    static const TsuiMenu* owningMenu(const QWidget* list);

private:
    MenuItemStyle();
};

} // namespace skin::controls
