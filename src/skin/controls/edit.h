#pragma once

#include "skin/controls/style_link.h"

#include <QLineEdit>

// The skinned single-line edit: the toolkit's edit without its sunken border, framed by a
// line of BorderColor outside a line of the edit's own colour.
class TsuiEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
    Q_PROPERTY(TsuiStyles::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)

public:
    explicit TsuiEdit(QWidget* parent = nullptr);

    TsuiFileTheme* FileTheme() const { return m_fileTheme.get(); }
    void setFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return m_style; }
    void setUIStyle(TsuiUIStyle style);
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    // The background, which is also the inner frame line.
    TColor Color() const { return paletteColor(*this, QPalette::Base); }
    void setColor(TColor color);

protected:
    // Runs after every style change; for subclasses that read more of the style.
    virtual void styleChanged() {}
    void paintEvent(QPaintEvent* event) override;

private:
    FileThemeLink m_fileTheme;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    TColor m_borderColor;
};
