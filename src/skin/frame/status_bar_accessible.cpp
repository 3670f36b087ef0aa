#include "skin/frame/status_bar_accessible.h"

#include "skin/frame/status_bar.h"

#include <QPointer>

namespace skin::frame {
namespace {

// One panel of a status bar: a static text whose name is the panel's text.
class StatusPanelAccessible : public QAccessibleInterface {
public:
    StatusPanelAccessible(TsuiStatusBar* bar, int index) : m_bar(bar), m_index(index) {}

    bool isValid() const override { return m_bar && m_index < m_bar->panelCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_bar->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_bar);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? m_bar->panelText(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect r = m_bar->panelRect(m_index);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !m_bar->isVisible();
        s.readOnly = true;
        return s;
    }

private:
    QPointer<TsuiStatusBar> m_bar;
    int m_index;
};

} // namespace

StatusBarAccessible::StatusBarAccessible(TsuiStatusBar* bar)
    : QAccessibleWidget(bar, QAccessible::StatusBar) {}

StatusBarAccessible::~StatusBarAccessible() {
    for (QAccessible::Id id : std::as_const(m_panels))
        QAccessible::deleteAccessibleInterface(id);
}

TsuiStatusBar* StatusBarAccessible::bar() const {
    return static_cast<TsuiStatusBar*>(widget());
}

QString StatusBarAccessible::panelTexts(const TsuiStatusBar* bar) {
    QStringList texts;
    for (int i = 0; i < bar->panelCount(); ++i) {
        if (!bar->panelText(i).trimmed().isEmpty())
            texts.append(bar->panelText(i));
    }
    return texts.join(QStringLiteral(", "));
}

QString StatusBarAccessible::text(QAccessible::Text t) const {
    if ((t == QAccessible::Name && widget()->accessibleName().isEmpty()) || t == QAccessible::Value)
        return panelTexts(bar());
    return QAccessibleWidget::text(t);
}

int StatusBarAccessible::childCount() const {
    return bar()->panelCount();
}

QAccessibleInterface* StatusBarAccessible::child(int index) const {
    if (index < 0 || index >= bar()->panelCount())
        return nullptr;
    while (m_panels.size() < bar()->panelCount()) {
        m_panels.append(QAccessible::registerAccessibleInterface(
            new StatusPanelAccessible(bar(), int(m_panels.size()))));
    }
    return QAccessible::accessibleInterface(m_panels.at(index));
}

int StatusBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < m_panels.size(); ++i) {
        if (QAccessible::accessibleInterface(m_panels.at(i)) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* StatusBarAccessible::childAt(int x, int y) const {
    const QPoint point = bar()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < bar()->panelCount(); ++i) {
        if (bar()->panelRect(i).contains(point))
            return child(i);
    }
    return nullptr;
}

void StatusBarAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& key, QObject* object) -> QAccessibleInterface* {
                if (key == QLatin1String("TsuiStatusBar"))
                    return new StatusBarAccessible(static_cast<TsuiStatusBar*>(object));
                return nullptr;
            });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace skin::frame
