#include "skin/frame/title_bar.h"

#include "platform/message_boxes.h"
#include "skin/frame/geometry.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/title_bar_accessible.h"
#include "skin/frame/title_bar_popup_menu.h"
#include "skin/frame/window_drag.h"
#include "skin/paint/keyed_blit.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/style_reader.h"
#include "skin/themes/theme_elements.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>

using namespace skin::frame;
using namespace skin::paint;
using namespace skin::themes;

namespace {

QImage styleFrame(const StyleReader& source, int frame) {
    return source.image(ThemeElement::TitleBarButtonImage, frame, kTitleButtonFrames);
}

// Shows message and answers true when an item of items already has value in field: the
// title bar holds at most one control box and one client section.
template <typename Item, typename Value>
bool refuseSecond(const QList<Item>& items, Value Item::*field, Value value, const char* message) {
    for (const Item& item : items) {
        if (item.*field == value) {
            platform::showError(QString::fromLatin1(message));
            return true;
        }
    }
    return false;
}

} // namespace

TsuiTitleBar::TsuiTitleBar(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("TitleBar"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_popup = new TsuiTitleBarPopupMenu(this);
    skin::frame::TitleBarAccessible::install();
    for (TsuiTitleBarBtnType type :
         {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose,
          TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin})
        addButton(type);
    QFont caption(QString::fromLatin1(skin::themes::kCaptionFontFamily));
    caption.setPixelSize(skin::themes::kCaptionPixelSize);
    caption.setBold(true);
    setFont(caption);
    setUIStyle(OwnerFormStyle(owner));
}

TsuiTitleBar::~TsuiTitleBar() = default;

TsuiForm* TsuiTitleBar::skinnedForm() const {
    return qobject_cast<TsuiForm*>(parentWidget());
}

void TsuiTitleBar::setFileTheme(TsuiFileTheme* theme) {
    m_keepFontColor = true;
    SkinBinding::setFileTheme(theme);
    m_keepFontColor = false;
}

void TsuiTitleBar::UIStyleChanged() {
    if (m_custom)
        return;
    m_sections.clear();
    const StyleReader source = styleReader();
    const auto section = [&](int element, TsuiTitleBarAlign align, bool autoSize) {
        const int index = addSection(align);
        setSectionPicture(index, source.image(element));
        if (autoSize)
            setSectionAutoSize(index, true);
    };
    section(ThemeElement::TitleBarLeftImage, TsuiTitleBarAlign::suiLeft, true);
    section(ThemeElement::TitleBarRightImage, TsuiTitleBarAlign::suiRight, true);
    section(ThemeElement::TitleBarClientImage, TsuiTitleBarAlign::suiClient, false);

    m_leftOffset = source.integer(ThemeElement::TitleBarButtonLeftOffsetInt);
    m_rightOffset = source.integer(ThemeElement::TitleBarButtonRightOffsetInt);
    m_outlineColor = source.color(ThemeElement::FormBorderColor);
    m_stripHeight = source.image(ThemeElement::TitleBarButtonImage).height();
    m_captionTop = source.integer(ThemeElement::TitleBarButtonTopInt);
    if (TsuiForm* form = skinnedForm(); form && form->window() != form)
        form->window()->setMinimumWidth(source.integer(ThemeElement::FormMinWidthInt));
    m_roundCorner = source.integer(ThemeElement::FormRoundCornerInt);

    for (int i = 0; i < m_buttons.size(); ++i)
        setButtonStyle(i, source.resolved());
    m_popup->setFileTheme(FileTheme());
    m_popup->setUIStyle(source.resolved());
    if (skinnedForm())
        SetRoundRegion(m_roundCorner);
    if (!m_keepFontColor)
        m_fontColor = UIStyle() == TsuiUIStyle::MacOS ? TColor(0) : TColor::fromHex(0xFFFFFF);
    setAutoSize(true);
    update();
}

void TsuiTitleBar::setAutoSize(bool autoSize) {
    m_autoSize = autoSize && !m_sections.isEmpty();
    applySectionHeight();
}

void TsuiTitleBar::applySectionHeight() {
    if (m_sections.isEmpty())
        return;
    const int height = m_sections.first().Picture.height();
    setFixedHeight(height);
    if (TsuiForm* form = skinnedForm())
        form->LayoutPanel();
}

void TsuiTitleBar::setButtonInterval(int interval) {
    m_buttonInterval = interval;
    update();
}

void TsuiTitleBar::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void TsuiTitleBar::setFormActive(bool active) {
    m_formActive = active;
    update();
}

void TsuiTitleBar::setLeftBtnXOffset(int offset) {
    m_leftOffset = offset;
    update();
}

void TsuiTitleBar::setRightBtnXOffset(int offset) {
    m_rightOffset = offset;
    update();
}

void TsuiTitleBar::setDrawAppIcon(bool draw) {
    m_drawAppIcon = draw;
    update();
}

void TsuiTitleBar::setRoundCorner(int corner) {
    m_roundCorner = corner;
    SetRoundRegion(corner);
    update();
}

void TsuiTitleBar::setFontColor(TColor color) {
    m_fontColor = color;
    update();
}

// --- buttons ---------------------------------------------------------------------------

int TsuiTitleBar::addButton(TsuiTitleBarBtnType type) {
    m_buttons.append(TsuiTitleBarButton{});
    const int index = int(m_buttons.size()) - 1;
    if (!setButtonType(index, type))
        m_buttons[index].ButtonType = TsuiTitleBarBtnType::suiCustom;
    return index;
}

bool TsuiTitleBar::setButtonType(int index, TsuiTitleBarBtnType type) {
    if (type == TsuiTitleBarBtnType::suiControlBox &&
        refuseSecond(m_buttons, &TsuiTitleBarButton::ButtonType, type,
                     "Sorry, only one button's ButtonType property can be \"suiControlBox\""))
        return false;
    m_buttons[index].ButtonType = type;
    applyButtonStyle(index);
    update();
    return true;
}

void TsuiTitleBar::setButtonStyle(int index, TsuiUIStyle style) {
    m_buttons[index].UIStyle = style;
    applyButtonStyle(index);
    update();
}

void TsuiTitleBar::setButtonVisible(int index, bool visible) {
    m_buttons[index].Visible = visible;
    update();
}

void TsuiTitleBar::applyButtonStyle(int index) {
    TsuiTitleBarButton& b = m_buttons[index];
    const StyleReader source(FileTheme(), b.UIStyle);
    b.Transparent = source.flag(ThemeElement::TitleBarButtonTransparentBool);
    if (b.ButtonType != TsuiTitleBarBtnType::suiCustom) {
        const int first = titleButtonBaseFrame(b.ButtonType);
        b.PicNormal = styleFrame(source, first);
        b.PicMouseOn = styleFrame(source, first + 1);
        b.PicMouseDown = styleFrame(source, first + 2);
        b.Top = source.integer(ThemeElement::TitleBarButtonTopInt);
    }
    if (b.ButtonType == TsuiTitleBarBtnType::suiMax)
        UpdateMaxGlyph(index);
}

void TsuiTitleBar::setButtons(const QList<TsuiTitleBarButton>& buttons) {
    m_buttons.clear();
    for (const TsuiTitleBarButton& source : buttons) {
        const int i = addButton(TsuiTitleBarBtnType::suiCustom);
        m_buttons[i].Visible = source.Visible;
        setButtonType(i, source.ButtonType);
        m_buttons[i].Transparent = source.Transparent;
        m_buttons[i].Top = source.Top;
        setButtonStyle(i, source.UIStyle);
        TsuiTitleBarButton& b = m_buttons[i];
        if (!source.PicNormal.isNull())
            b.PicNormal = source.PicNormal;
        if (!source.PicMouseOn.isNull())
            b.PicMouseOn = source.PicMouseOn;
        if (!source.PicMouseDown.isNull())
            b.PicMouseDown = source.PicMouseDown;
        b.ControlBoxMenu = source.ControlBoxMenu;
    }
    update();
}

void TsuiTitleBar::UpdateMaxGlyph(int index) {
    TsuiTitleBarButton& b = m_buttons[index];
    if (b.ButtonType != TsuiTitleBarBtnType::suiMax || m_custom)
        return;
    const StyleReader source(FileTheme(), b.UIStyle);
    const int first = formMaximised() ? kRestoreGlyphFrame : kMaximiseGlyphFrame;
    b.PicNormal = styleFrame(source, first);
    b.PicMouseOn = styleFrame(source, first + 1);
    b.PicMouseDown = styleFrame(source, first + 2);
    update();
}

void TsuiTitleBar::updateMaxGlyphs() {
    for (int i = 0; i < m_buttons.size(); ++i)
        UpdateMaxGlyph(i);
}

// --- sections --------------------------------------------------------------------------

int TsuiTitleBar::addSection(TsuiTitleBarAlign align) {
    m_sections.append(TsuiTitleBarSection{});
    const int index = int(m_sections.size()) - 1;
    setSectionAlign(index, align);
    return index;
}

bool TsuiTitleBar::setSectionAlign(int index, TsuiTitleBarAlign align) {
    if (align == TsuiTitleBarAlign::suiClient) {
        if (refuseSecond(m_sections, &TsuiTitleBarSection::Align, align,
                         "Sorry, only one section's Align property can be \"suiClient\""))
            return false;
        m_sections[index].Stretch = true;
    }
    m_sections[index].Align = align;
    update();
    return true;
}

void TsuiTitleBar::setSectionAutoSize(int index, bool autoSize) {
    TsuiTitleBarSection& s = m_sections[index];
    s.AutoSize = autoSize;
    if (!s.Picture.isNull())
        s.Width = s.Picture.width();
    update();
}

void TsuiTitleBar::setSectionPicture(int index, const QImage& picture) {
    TsuiTitleBarSection& s = m_sections[index];
    s.Picture = picture;
    if (s.AutoSize && !picture.isNull())
        s.Width = picture.width();
    if (index == 0 && m_autoSize)
        applySectionHeight();
    update();
}

void TsuiTitleBar::setSectionStretch(int index, bool stretch) {
    TsuiTitleBarSection& s = m_sections[index];
    s.Stretch = stretch || s.Align == TsuiTitleBarAlign::suiClient;
    update();
}

void TsuiTitleBar::setSections(const QList<TsuiTitleBarSection>& sections) {
    m_sections.clear();
    for (const TsuiTitleBarSection& source : sections) {
        m_sections.append(TsuiTitleBarSection{});
        const int i = int(m_sections.size()) - 1;
        m_sections[i].Width = source.Width;
        if (!setSectionAlign(i, source.Align))
            m_sections[i].Align = TsuiTitleBarAlign::suiLeft;
        setSectionPicture(i, source.Picture);
        setSectionStretch(i, source.Stretch);
        setSectionAutoSize(i, source.AutoSize);
    }
    if (m_autoSize)
        applySectionHeight();
    update();
}

// --- geometry and painting -------------------------------------------------------------

ButtonLayout TsuiTitleBar::Layout() const {
    QList<ButtonSlot> items;
    for (const TsuiTitleBarButton& b : m_buttons)
        items.append(ButtonSlot{b.Visible, b.ButtonType == TsuiTitleBarBtnType::suiControlBox,
                                b.PicNormal.size(), b.Top});
    return layoutButtons(items, width(), m_leftOffset, m_rightOffset, m_buttonInterval,
                         m_drawAppIcon);
}

QString TsuiTitleBar::shownCaption() const {
    const ButtonLayout layout = Layout();
    const QFontMetrics metrics(font());
    return shortenCaption(
        m_caption, layout.captionRight - layout.captionLeft,
        [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

int TsuiTitleBar::buttonAt(const QPoint& point) const {
    const ButtonLayout layout = Layout();
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].Visible && !layout.rects[i].isNull() &&
            PointInRect(point, layout.rects[i]))
            return i;
    }
    return -1;
}

void TsuiTitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Section pictures leave their key-coloured corners out: the window outline cuts the
    // corners round, and what stays inside it takes the border colour.
    painter.fillRect(rect(), m_outlineColor.toQColor());

    QList<SectionSlot> items;
    for (const TsuiTitleBarSection& s : m_sections) {
        SectionAlign align = SectionAlign::Left;
        if (s.Align == TsuiTitleBarAlign::suiRight)
            align = SectionAlign::Right;
        else if (s.Align == TsuiTitleBarAlign::suiClient)
            align = SectionAlign::Client;
        items.append(SectionSlot{align, s.Width});
    }
    const QList<QRect> sectionRects = layoutSections(items, size());
    for (int i = 0; i < m_sections.size(); ++i) {
        const TsuiTitleBarSection& s = m_sections[i];
        const QRect& r = sectionRects[i];
        if (s.Picture.isNull() || r.isEmpty())
            continue;
        if (s.Stretch) {
            stretchBlit(painter, r, s.Picture, s.Picture.rect(), true);
        } else {
            const QRect source(0, 0, std::min(s.Width, s.Picture.width()), s.Picture.height());
            stretchBlit(painter, QRect(r.topLeft(), source.size()), s.Picture, source, true);
        }
    }

    const ButtonLayout layout = Layout();
    m_hovered = -1;
    for (int i = 0; i < m_buttons.size(); ++i) {
        const TsuiTitleBarButton& b = m_buttons[i];
        const QRect& r = layout.rects[i];
        if (!b.Visible || r.isNull())
            continue;
        const bool hovered = m_mouse && PointInRect(*m_mouse, r);
        if (hovered)
            m_hovered = i;
        if (i == layout.controlBox && m_drawAppIcon) {
            QIcon icon = QApplication::windowIcon();
            const QImage picture = icon.isNull()
                                       ? loadSkinResource("MAINICON")
                                       : icon.pixmap(skin::themes::kAppIconSize).toImage();
            painter.drawImage(
                QRect(r.x() + 3, b.Top, skin::themes::kAppIconSize, skin::themes::kAppIconSize),
                picture);
            continue;
        }
        const QImage& shown = hovered ? (m_pressed ? b.PicMouseDown : b.PicMouseOn) : b.PicNormal;
        QImage scratch = shown.copy(0, 0, b.PicNormal.width(), b.PicNormal.height());
        if (b.Transparent && !scratch.isNull())
            scratch = withoutKey(scratch, scratch.pixel(0, scratch.height() - 1));
        painter.drawImage(r.topLeft(), scratch);
    }

    painter.setFont(font());
    QColor text = m_fontColor.toQColor();
    if (!m_formActive)
        text = palette().color(QPalette::Disabled, QPalette::WindowText);
    painter.setPen(text);
    const QFontMetrics metrics(font());
    const int y = (m_stripHeight - metrics.height()) / 2 + m_captionTop;
    painter.drawText(QPoint(layout.captionLeft, y + metrics.ascent()), shownCaption());

    if (UIStyle() != TsuiUIStyle::WinXP && m_roundCorner != 0 && skinnedForm()) {
        painter.setPen(m_outlineColor.toQColor());
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawRoundedRect(QRect(-1, 0, width() + 1, height() + kTitleOutlineOverhang),
                                (m_roundCorner + 1) / 2.0, m_roundCorner / 2.0);
    }
}

// --- mouse -----------------------------------------------------------------------------

bool TsuiTitleBar::formMaximised() const {
    const QWidget* form = window();
    return form && form != this && form->isMaximized();
}

void TsuiTitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_mouse = event->position().toPoint();
    m_pressed = true;
    repaint();
    m_hovered = buttonAt(*m_mouse);
    QWidget* form = window();
    if (m_hovered < 0 && !formMaximised() && form != this) {
        m_pressed = false;
        startWindowMove(form, event->globalPosition().toPoint());
    }
}

void TsuiTitleBar::mouseMoveEvent(QMouseEvent* event) {
    m_mouse = event->position().toPoint();
    update();
}

void TsuiTitleBar::leaveEvent(QEvent*) {
    m_mouse.reset();
    update();
}

void TsuiTitleBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_mouse = event->position().toPoint();
    const int index = m_pressed ? buttonAt(*m_mouse) : -1;
    m_pressed = false;
    if (index >= 0) {
        const TsuiTitleBarButton& b = m_buttons[index];
        if (b.ButtonType == TsuiTitleBarBtnType::suiControlBox && !b.ControlBoxMenu) {
            m_popup->Popup(mapToGlobal(rect().bottomLeft() + QPoint(0, 1)));
        } else {
            const TsuiTitleBarBtnType type = b.ButtonType;
            DoButtonAction(index);
            if (type == TsuiTitleBarBtnType::suiCustom)
                emit customBtnsClick(index);
            else if (type == TsuiTitleBarBtnType::suiHelp)
                emit helpBtnClick(index);
        }
    }
    update();
}

void TsuiTitleBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int index = buttonAt(event->position().toPoint());
    if (index < 0) {
        for (int i = 0; i < m_buttons.size(); ++i) {
            if (m_buttons[i].ButtonType == TsuiTitleBarBtnType::suiMax) {
                DoButtonAction(i);
                return;
            }
        }
    } else if (m_buttons[index].ButtonType == TsuiTitleBarBtnType::suiControlBox) {
        if (window() != this)
            window()->close();
    }
}

void TsuiTitleBar::minimise() {
    window()->showMinimized();
}

void TsuiTitleBar::DoButtonAction(int index) {
    QWidget* form = window();
    if (form == this || index < 0 || index >= m_buttons.size())
        return;
    const TsuiTitleBarButton& b = m_buttons[index];
    switch (b.ButtonType) {
    case TsuiTitleBarBtnType::suiMax:
        if (form->isMaximized()) {
            form->showNormal();
        } else {
            form->showMaximized();
            if (!skinnedForm())
                SetFormBounds(form, GetWorkArea().adjusted(0, 0, 0, -1));
        }
        UpdateMaxGlyph(index);
        break;
    case TsuiTitleBarBtnType::suiMin:
        minimise();
        break;
    case TsuiTitleBarBtnType::suiClose:
        form->close();
        break;
    case TsuiTitleBarBtnType::suiControlBox:
        if (b.ControlBoxMenu)
            b.ControlBoxMenu->popup(mapToGlobal(rect().bottomLeft() + QPoint(0, 1)));
        break;
    case TsuiTitleBarBtnType::suiHelp:
    case TsuiTitleBarBtnType::suiCustom:
        break;
    }
}

void TsuiTitleBar::SetRoundRegion(int corner) {
    TsuiForm* form = skinnedForm();
    QWidget* window = form ? form->window() : nullptr;
    if (!window || window == form)
        return;
    const QRegion region = roundTopRegion(window->size(), corner);
    window->setMask(region);
}
