#pragma once

#include "skin/frame/frame_geometry.h"
#include "skin/frame/title_bar_items.h"
#include "skin/themes/skin_binding.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/tcolor.h"

#include <QPointer>
#include <QWidget>

class TsuiMainMenu;
class TsuiTitleBar;

namespace skin::frame {

class FormMenuBar;

// The border a window had before the skinned form took its frame over; only sizeable
// ones resize from their edges.
enum class FormBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

} // namespace skin::frame

// The skinned frame of a window: a panel that covers the window's client area except
// for border strips, with the title bar at its top and the attached menu's bar below.
// It removes the window system's frame and takes over moving, resizing from a 5-pixel
// margin, maximising to the work area, the active look, Alt+Space, the menu bar's keys
// (F10, Alt with an item's letter) and menu shortcuts.
// One per window; the window's content goes on the panel.
class TsuiForm : public QWidget, public SkinBinding {
    Q_OBJECT
    Q_MOC_INCLUDE("skin/controls/menu_main.h")
    Q_PROPERTY(bool TitleBarCustom READ TitleBarCustom WRITE setTitleBarCustom)
    SKIN_BINDING_PROPERTIES
    Q_PROPERTY(bool UIStyleAutoUpdateSub READ UIStyleAutoUpdateSub WRITE setUIStyleAutoUpdateSub)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE setTitleBarVisible)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QWidget* FormPanel READ FormPanel WRITE setFormPanel)
    Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE setTitleBarDrawAppIcon)
    Q_PROPERTY(TsuiMainMenu* Menu READ Menu WRITE setMenu)
    Q_PROPERTY(int MenuBarHeight READ MenuBarHeight WRITE setMenuBarHeight)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE setRoundCorner)
    Q_PROPERTY(QString Version READ Version WRITE setVersion)

public:
    // Takes over form's frame. Throws SkinError when form already has a skinned form.
    explicit TsuiForm(QWidget* form, skin::frame::FormBorderStyle savedBorderStyle =
                                         skin::frame::FormBorderStyle::Sizeable);
    ~TsuiForm() override;

    bool TitleBarCustom() const;
    void setTitleBarCustom(bool custom);
    // A file theme already named changes nothing.
    void setFileTheme(TsuiFileTheme* theme);
    bool UIStyleAutoUpdateSub() const { return m_autoUpdateSub; }
    void setUIStyleAutoUpdateSub(bool update) { m_autoUpdateSub = update; }
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    bool TitleBarVisible() const;
    void setTitleBarVisible(bool visible);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    QString Caption() const;
    void setCaption(const QString& caption);
    QWidget* FormPanel() const { return m_formPanel; }
    // Refuses the form itself with an error box.
    void setFormPanel(QWidget* panel);
    void setTitleBarButtons(const QList<TsuiTitleBarButton>& buttons);
    void setTitleBarSections(const QList<TsuiTitleBarSection>& sections);
    bool TitleBarDrawAppIcon() const;
    void setTitleBarDrawAppIcon(bool draw);
    // The caption font; its colour goes with it.
    void setCaptionFont(const QFont& font, TColor color);
    TsuiMainMenu* Menu() const;
    void setMenu(TsuiMainMenu* menu);
    TColor MenuBarColor() const { return m_menuBarColor; }
    void setMenuBarColor(TColor color);
    int MenuBarHeight() const { return m_menuBarHeight; }
    void setMenuBarHeight(int height);
    // Width and height of the panel; setting them sizes the window around the panel.
    int Width() const { return width(); }
    void setWidth(int width);
    int Height() const { return height(); }
    void setHeight(int height);
    int RoundCorner() const;
    void setRoundCorner(int corner);
    QString Version() const;
    void setVersion(const QString&) {}

    TsuiTitleBar* TitleBar() const { return m_titleBar; }
    skin::frame::FormMenuBar* MenuBar() const { return m_menuBar; }
    skin::frame::FormBorderStyle savedBorderStyle() const { return m_savedBorderStyle; }
    bool Sizeable() const;

    // Where a point of the window's client area acts on the window.
    skin::frame::HitZone hitTest(const QPoint& formPoint) const;

    void LayoutPanel();
    void RebuildMenuBar();
    void UpdateMenuBarCaptions();
    void UpdateMenuBarFont();

signals:
    void titleBarCustomBtnsClick(int buttonIndex);
    void titleBarHelpBtnClick(int buttonIndex);

protected:
    void UIStyleChanged() override;
    // The panel and its children fall back to DeepBlue with the frame.
    void fileThemeRemoved() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool formEvent(QEvent* event);
    bool applicationEvent(QObject* watched, QEvent* event);
    bool menuShortcut(QEvent* event);
    void paintBorder(QPainter& painter);
    void formResized();
    void updateResizeCursor(skin::frame::HitZone zone);
    void applyMenuBarLook();
    void passColorToChildren();
    void detachMenu();
    // Lays the panel out again and repaints the window's border strips.
    void relayoutAndRepaintForm();

    QWidget* m_form;
    TsuiTitleBar* m_titleBar = nullptr;
    skin::frame::FormMenuBar* m_menuBar = nullptr;
    QPointer<TsuiMainMenu> m_menu;
    QPointer<QWidget> m_formPanel;
    bool m_autoUpdateSub = false;
    TColor m_borderColor;
    int m_borderWidth = 0;
    TColor m_color;
    TColor m_menuBarColor;
    int m_menuBarHeight = skin::themes::kMenuBarHeight;
    skin::frame::FormBorderStyle m_savedBorderStyle;
    bool m_ownsHook = false;
    QObject* m_applicationFilter = nullptr;
    bool m_cursorOverridden = false;
};
