#include "skin/frame/sui_form.h"

#include "platform/message_boxes.h"
#include "skin/controls/menu_main.h"
#include "skin/frame/form_menu_bar.h"
#include "skin/frame/form_state.h"
#include "skin/frame/geometry.h"
#include "skin/frame/title_bar.h"
#include "skin/frame/title_bar_popup_menu.h"
#include "skin/frame/window_drag.h"
#include "skin/paint/menu_drawing.h"
#include "skin/paint/tile_bitmap.h"
#include "skin/themes/skin_errors.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/style_reader.h"
#include "skin/themes/theme_elements.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <functional>

using namespace skin::frame;
using namespace skin::paint;
using namespace skin::themes;

namespace {

// Hands every event of the application to a function: the skinned form's hook.
class ApplicationFilter : public QObject {
public:
    ApplicationFilter(QObject* parent, std::function<bool(QObject*, QEvent*)> handler)
        : QObject(parent), m_handler(std::move(handler)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return m_handler(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> m_handler;
};

// The first skinned form that finds the application's key hook free takes it.
QPointer<TsuiForm>& hookOwner() {
    static QPointer<TsuiForm> owner;
    return owner;
}

QWidget* checkedForm(QWidget* form) {
    if (form && form->findChild<TsuiForm*>(QString(), Qt::FindDirectChildrenOnly))
        throw SkinError("Sorry, You can create only one TsuiForm component in one form!");
    return form;
}

Qt::Edges edgesOf(HitZone zone) {
    switch (zone) {
    case HitZone::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case HitZone::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case HitZone::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case HitZone::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HitZone::Left:
        return Qt::LeftEdge;
    case HitZone::Top:
        return Qt::TopEdge;
    case HitZone::Right:
        return Qt::RightEdge;
    case HitZone::Bottom:
        return Qt::BottomEdge;
    case HitZone::Default:
        break;
    }
    return {};
}

Qt::CursorShape cursorOf(HitZone zone) {
    switch (zone) {
    case HitZone::TopLeft:
    case HitZone::BottomRight:
        return Qt::SizeFDiagCursor;
    case HitZone::TopRight:
    case HitZone::BottomLeft:
        return Qt::SizeBDiagCursor;
    case HitZone::Left:
    case HitZone::Right:
        return Qt::SizeHorCursor;
    case HitZone::Top:
    case HitZone::Bottom:
        return Qt::SizeVerCursor;
    case HitZone::Default:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

TsuiForm::TsuiForm(QWidget* form, FormBorderStyle savedBorderStyle)
    : QWidget(checkedForm(form)), m_form(form), m_savedBorderStyle(savedBorderStyle) {
    setObjectName(QStringLiteral("suiForm1"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (m_form) {
        m_form->setMinimumSize(std::max(m_form->minimumWidth(), kFormMinimumSize.width()),
                               std::max(m_form->minimumHeight(), kFormMinimumSize.height()));
        m_form->setWindowFlag(Qt::FramelessWindowHint, true);
    }
    m_titleBar = new TsuiTitleBar(this);
    connect(m_titleBar, &TsuiTitleBar::customBtnsClick, this, &TsuiForm::titleBarCustomBtnsClick);
    connect(m_titleBar, &TsuiTitleBar::helpBtnClick, this, &TsuiForm::titleBarHelpBtnClick);
    setUIStyle(TsuiUIStyle::DeepBlue);
    m_menuBarColor = m_color;
    if (m_form) {
        setCaption(m_form->windowTitle());
        m_form->installEventFilter(this);
        m_applicationFilter = new ApplicationFilter(this, [this](QObject* watched, QEvent* event) {
            return applicationEvent(watched, event);
        });
        if (!hookOwner()) {
            hookOwner() = this;
            m_ownsHook = true;
        }
    }
    LayoutPanel();
}

TsuiForm::~TsuiForm() {
    // The application's events must stop reaching this form before its members go; the
    // base class destructor still sends events while it deletes the children.
    delete m_applicationFilter;
    if (m_ownsHook)
        hookOwner() = nullptr;
    updateResizeCursor(HitZone::Default);
    if (m_menu)
        m_menu->setSkinnedForm(nullptr);
}

// --- properties ------------------------------------------------------------------------

bool TsuiForm::TitleBarCustom() const {
    return m_titleBar->Custom();
}

void TsuiForm::setTitleBarCustom(bool custom) {
    m_titleBar->setCustom(custom);
}

void TsuiForm::setFileTheme(TsuiFileTheme* theme) {
    if (theme != FileTheme())
        SkinBinding::setFileTheme(theme);
}

void TsuiForm::fileThemeRemoved() {
    ApplyStyleToChildren(this, TsuiUIStyle::DeepBlue, nullptr);
    setUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiForm::UIStyleChanged() {
    const TsuiUIStyle style = UIStyle();
    const StyleReader source = styleReader();
    m_borderColor = source.color(ThemeElement::FormBorderColor);
    m_borderWidth = source.integer(ThemeElement::FormBorderWidthInt);
    m_color = source.color(ThemeElement::FormBackgroundColor);
    passColorToChildren();
    m_menuBarColor = m_color;
    m_titleBar->setFileTheme(FileTheme());
    m_titleBar->setUIStyle(style);
    if (m_menu) {
        m_menu->setUIStyle(style);
        m_menu->setFileTheme(FileTheme());
    }
    if (m_autoUpdateSub)
        ApplyStyleToChildren(this, style, FileTheme());
    applyMenuBarLook();
    LayoutPanel();
    update();
    if (m_form)
        m_form->update();
}

void TsuiForm::relayoutAndRepaintForm() {
    LayoutPanel();
    if (m_form)
        m_form->update();
}

void TsuiForm::setBorderColor(TColor color) {
    m_borderColor = color;
    relayoutAndRepaintForm();
}

void TsuiForm::setBorderWidth(int width) {
    const int panelWidth = Width(), panelHeight = Height();
    m_borderWidth = width;
    setWidth(panelWidth);
    setHeight(panelHeight);
    relayoutAndRepaintForm();
}

bool TsuiForm::TitleBarVisible() const {
    return !m_titleBar->isHidden();
}

void TsuiForm::setTitleBarVisible(bool visible) {
    if (visible == TitleBarVisible())
        return;
    m_titleBar->setVisible(visible);
    relayoutAndRepaintForm();
}

void TsuiForm::setColor(TColor color) {
    m_color = color;
    passColorToChildren();
    update();
}

void TsuiForm::passColorToChildren() {
    // Controls that take their parent's colour (group boxes, toolbars, panels, the areas
    // around buttons and labels) read it from the palette they inherit from the panel.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, m_color.toQColor());
    setPalette(colours);
}

QString TsuiForm::Caption() const {
    return m_titleBar->Caption();
}

void TsuiForm::setCaption(const QString& caption) {
    m_titleBar->setCaption(caption);
    if (m_form)
        m_form->setWindowTitle(caption);
}

void TsuiForm::setFormPanel(QWidget* panel) {
    if (panel == this) {
        platform::showError(
            QStringLiteral("Sorry, you can't select the Form assign to FormPanel property"));
        return;
    }
    m_formPanel = panel;
    LayoutPanel();
}

void TsuiForm::setTitleBarButtons(const QList<TsuiTitleBarButton>& buttons) {
    m_titleBar->setButtons(buttons);
}

void TsuiForm::setTitleBarSections(const QList<TsuiTitleBarSection>& sections) {
    m_titleBar->setSections(sections);
}

bool TsuiForm::TitleBarDrawAppIcon() const {
    return m_titleBar->DrawAppIcon();
}

void TsuiForm::setTitleBarDrawAppIcon(bool draw) {
    m_titleBar->setDrawAppIcon(draw);
}

void TsuiForm::setCaptionFont(const QFont& font, TColor color) {
    m_titleBar->setFont(font);
    m_titleBar->setFontColor(color);
}

TsuiMainMenu* TsuiForm::Menu() const {
    return m_menu;
}

void TsuiForm::setMenu(TsuiMainMenu* menu) {
    if (m_menu && m_menu != menu) {
        m_menu->setSkinnedForm(nullptr);
        disconnect(m_menu, nullptr, this, nullptr);
    }
    m_menu = menu;
    if (menu) {
        menu->setSkinnedForm(this);
        connect(menu, &TsuiMainMenu::itemsLoaded, this, &TsuiForm::RebuildMenuBar,
                Qt::UniqueConnection);
        connect(menu, &TsuiMainMenu::itemFontChanged, this, &TsuiForm::UpdateMenuBarFont,
                Qt::UniqueConnection);
        connect(menu, &TsuiMainMenu::detaching, this, &TsuiForm::detachMenu, Qt::UniqueConnection);
        if (!m_menuBar) {
            m_menuBar = new FormMenuBar(this);
            m_menuBar->setBarHeight(m_menuBarHeight);
            m_menuBar->show();
        }
        RebuildMenuBar();
    } else {
        delete m_menuBar;
        m_menuBar = nullptr;
        LayoutPanel();
    }
}

void TsuiForm::detachMenu() {
    setMenu(nullptr);
}

void TsuiForm::setMenuBarColor(TColor color) {
    m_menuBarColor = color;
    applyMenuBarLook();
}

void TsuiForm::setMenuBarHeight(int height) {
    m_menuBarHeight = height;
    if (m_menuBar)
        m_menuBar->setBarHeight(height);
    LayoutPanel();
}

void TsuiForm::setWidth(int width) {
    if (m_form)
        m_form->resize(width + 2 * m_borderWidth, m_form->height());
    LayoutPanel();
}

void TsuiForm::setHeight(int height) {
    if (m_form)
        m_form->resize(m_form->width(), height + m_borderWidth + m_borderWidth / 2);
    LayoutPanel();
}

int TsuiForm::RoundCorner() const {
    return m_titleBar->RoundCorner();
}

void TsuiForm::setRoundCorner(int corner) {
    m_titleBar->setRoundCorner(corner);
}

QString TsuiForm::Version() const {
    return QStringLiteral("4.40");
}

bool TsuiForm::Sizeable() const {
    return m_savedBorderStyle == FormBorderStyle::Sizeable ||
           m_savedBorderStyle == FormBorderStyle::SizeToolWin;
}

HitZone TsuiForm::hitTest(const QPoint& formPoint) const {
    if (!m_form || m_form->isMaximized())
        return HitZone::Default;
    return formHitTest(formPoint, m_form->size(), Sizeable());
}

// --- layout and painting ---------------------------------------------------------------

void TsuiForm::LayoutPanel() {
    if (!m_titleBar) // still being created
        return;
    if (m_form)
        setGeometry(formPanelRect(m_form->size(), m_borderWidth, TitleBarVisible()));
    int top = 0;
    if (TitleBarVisible()) {
        m_titleBar->setGeometry(0, 0, width(), m_titleBar->height());
        top = m_titleBar->height();
    }
    if (m_menuBar) {
        m_menuBar->setGeometry(0, top, width(), m_menuBarHeight);
        top += m_menuBarHeight;
    }
    if (m_formPanel)
        m_formPanel->setGeometry(0, top, width(), height() - top);
}

void TsuiForm::resizeEvent(QResizeEvent*) {
    LayoutPanel();
}

void TsuiForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (UIStyle() == TsuiUIStyle::MacOS || UIStyle() == TsuiUIStyle::Protein) {
        TileBitmap(painter,
                   loadSkinResource(UIStyle() == TsuiUIStyle::MacOS ? "MACOS_FORM_BACKGROUND"
                                                                    : "PROTEIN_FORM_BACKGROUND"),
                   rect());
        return;
    }
    painter.fillRect(rect(), m_color.toQColor());
}

void TsuiForm::paintBorder(QPainter& painter) {
    for (const QRect& strip : formBorderStrips(m_form->size(), m_borderWidth))
        painter.fillRect(strip, m_borderColor.toQColor());
}

// --- menu bar --------------------------------------------------------------------------

void TsuiForm::RebuildMenuBar() {
    if (!m_menuBar || !m_menu)
        return;
    m_menuBar->rebuild(m_menu->actions());
    applyMenuBarLook();
    LayoutPanel();
}

void TsuiForm::UpdateMenuBarCaptions() {
    if (m_menuBar)
        m_menuBar->updateCaptions();
}

void TsuiForm::UpdateMenuBarFont() {
    applyMenuBarLook();
}

void TsuiForm::applyMenuBarLook() {
    if (!m_menuBar)
        return;
    MenuBarLook look;
    look.style = m_menu ? m_menu->UIStyle() : UIStyle();
    const StyleReader source(m_menu ? m_menu->FileTheme() : FileTheme(), look.style);
    look.selectedBackground = source.color(ThemeElement::MenuSelectedBackgroundColor);
    look.selectedBorder = source.color(ThemeElement::MenuSelectedBorderColor);
    look.selectedFont = source.color(ThemeElement::MenuSelectedFontColor);
    look.barColor = m_menuBarColor;
    if (m_menu && !m_menu->UseSystemFont()) {
        look.font = m_menu->itemFont();
        look.fontColor = m_menu->FontColor();
    } else {
        QColor color;
        GetMenuSystemFont(look.font, color);
        look.fontColor = TColor::fromQColor(color);
    }
    m_menuBar->setLook(look);
}

// --- window behaviour ------------------------------------------------------------------

void TsuiForm::formResized() {
    // A maximised window that covers more than the work area (a window system that does
    // not keep maximised windows off the panels) is put back on the work area.
    if (m_form->isMaximized() && m_savedBorderStyle != FormBorderStyle::None) {
        const QRect work = GetWorkArea();
        if (!work.isEmpty() && !work.contains(m_form->geometry())) {
            SetFormBounds(m_form, work);
            m_form->setWindowState(m_form->windowState() | Qt::WindowMaximized);
        }
    }
    LayoutPanel();
    m_form->update();
    m_titleBar->updateMaxGlyphs();
    m_titleBar->SetRoundRegion(m_titleBar->RoundCorner());
}

void TsuiForm::updateResizeCursor(HitZone zone) {
    if (zone == HitZone::Default) {
        if (m_cursorOverridden) {
            QGuiApplication::restoreOverrideCursor();
            m_cursorOverridden = false;
        }
        return;
    }
    if (m_cursorOverridden) {
        QGuiApplication::changeOverrideCursor(cursorOf(zone));
    } else {
        QGuiApplication::setOverrideCursor(cursorOf(zone));
        m_cursorOverridden = true;
    }
}

bool TsuiForm::eventFilter(QObject* watched, QEvent* event) {
    return watched == m_form && formEvent(event);
}

bool TsuiForm::formEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint: {
        // The border strips go under the form's own painting, which leaves them alone.
        QPainter painter(m_form);
        paintBorder(painter);
        break;
    }
    case QEvent::Resize:
        formResized();
        break;
    case QEvent::WindowStateChange:
        m_titleBar->updateMaxGlyphs();
        break;
    case QEvent::ActivationChange:
        m_titleBar->setFormActive(m_form->isActiveWindow());
        break;
    case QEvent::Leave:
        updateResizeCursor(HitZone::Default);
        break;
    default:
        break;
    }
    return false;
}

bool TsuiForm::menuShortcut(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    return IsFormActive(m_form) && m_form->isActiveWindow() && m_menu && m_menu->isShortCut(key);
}

bool TsuiForm::applicationEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !m_form)
        return false;

    if (type == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_ownsHook && key->key() == Qt::Key_Space && key->modifiers() == Qt::AltModifier) {
            QWidget* main = MainForm() ? MainForm() : m_form;
            m_titleBar->PopupMenu()->Popup(QPoint(main->x(), main->y() + m_titleBar->height()));
            return true;
        }
        if (widget->window() != m_form)
            return false;
        return (m_menuBar && m_menuBar->handleKey(*key)) || menuShortcut(event);
    }

    if (widget->window() != m_form)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    const HitZone zone = hitTest(m_form->mapFromGlobal(global));
    if (type == QEvent::MouseMove) {
        if (mouse->buttons() == Qt::NoButton)
            updateResizeCursor(zone);
        return false;
    }
    if (mouse->button() != Qt::LeftButton || zone == HitZone::Default)
        return false;
    startWindowResize(m_form, edgesOf(zone), global);
    return true;
}
