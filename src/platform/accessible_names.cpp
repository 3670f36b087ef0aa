#include "platform/accessible_names.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace platform {
namespace {

// Marks a name this filter gave, so a later change of caption or hint may replace it
// while a name set by hand stays.
constexpr char kGivenName[] = "kalmoGivenAccessibleName";

class AccessibleNames : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Polish || type == QEvent::ToolTipChange) && watched->isWidgetType())
            give(static_cast<QWidget*>(watched));
        return false;
    }

private:
    static void give(QWidget* widget) {
        const QString current = widget->accessibleName();
        if (!current.isEmpty() && current != widget->property(kGivenName).toString())
            return;
        const QString name = accessibleNameOf(widget);
        if (name.isEmpty() || name == current)
            return;
        widget->setAccessibleName(name);
        widget->setProperty(kGivenName, name);
    }
};

} // namespace

QString withoutAccelerator(QString text) {
    // "&&" is a literal ampersand; a single "&" marks the accelerator letter.
    text.replace(QLatin1String("&&"), QChar(0xFFFF));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(0xFFFF), QLatin1Char('&'));
    return text;
}

QString accessibleNameOf(const QWidget* widget) {
    QString caption = widget->property("Caption").toString();
    if (caption.isEmpty())
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            caption = button->text();
    caption = withoutAccelerator(caption).trimmed();
    // A caption of signs only ("+", "-", "...") says less than the hint beside it.
    const bool saysSomething =
        std::any_of(caption.cbegin(), caption.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    return saysSomething || widget->toolTip().isEmpty() ? caption : widget->toolTip();
}

void installAccessibleNames() {
    static QPointer<AccessibleNames> filter;
    if (filter)
        return;
    filter = new AccessibleNames(qApp);
    qApp->installEventFilter(filter);
}

} // namespace platform
