#pragma once

#include <QString>
#include <QStringList>

class QImage;
class QMenu;
class QWidget;

// Saves grabs as OUTDIR/LOOK-NAME.png. Windows are shown active at one fixed place, away
// from the pointer, and only grabbed once the events of showing them are handled.
class WindowGrabber {
public:
    explicit WindowGrabber(const QString& outDir) : m_outDir(outDir) {}

    void setLook(const QString& look) { m_look = look; }
    // Shows the window (it stays shown) and grabs it.
    void grabShown(QWidget* window, const QString& name);
    // Shows the window (it stays shown) and gives its picture instead of saving it.
    QImage pictureOfShown(QWidget* window, const QString& name);
    // Grabs a menu that was just popped up.
    void grabPopup(QMenu* menu, const QString& name);

    // What went wrong (a window that never came up, a file not written); empty when all
    // went well.
    const QStringList& problems() const { return m_problems; }
    int written() const { return m_written; }

private:
    void save(QWidget* widget, const QString& name);
    void waitFor(const QString& name, bool (*ready)(QWidget*), QWidget* widget);

    QString m_outDir;
    QString m_look;
    QStringList m_problems;
    int m_written = 0;
};
