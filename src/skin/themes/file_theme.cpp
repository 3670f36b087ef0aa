#include "skin/themes/file_theme.h"

#include "skin/themes/cut_frame.h"
#include "skin/themes/property_names.h"
#include "skin/themes/theme_elements.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QWidget>

using namespace skin::themes;

namespace {
constexpr qint64 kMaxThemeBitmapPixels = 2048 * 2048;
}

bool skin::themes::readThemeBitmap(const QByteArray& data, QImage& target) {
    // Skin bitmaps are small; a header that claims a huge picture is refused before the
    // decoder allocates it.
    QBuffer buffer;
    buffer.setData(data);
    QImageReader decoder(&buffer, "BMP");
    const QSize size = decoder.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxThemeBitmapPixels)
        return false;
    QImage loaded;
    if (!decoder.read(&loaded))
        return false;
    target = loaded.convertToFormat(QImage::Format_RGB32);
    return true;
}

void TsuiFileThemeMgr::load(const QString& path) {
    m_reader = std::make_unique<TsuiThemeFileReader>(path);
}

TsuiFileTheme::TsuiFileTheme(QObject* owner) : QObject(owner) {}

void TsuiFileTheme::setThemeFile(const QString& value) {
    if (value == m_themeFile)
        return;
    QString path = value;
    if (!QFileInfo::exists(path)) {
        path = QDir(QCoreApplication::applicationDirPath()).filePath(QFileInfo(value).fileName());
        if (!QFileInfo::exists(path))
            return;
    }
    m_mgr.load(path);
    m_themeFile = path;
    m_canUse = true;
    refreshOwnerComponents();
}

void TsuiFileTheme::reload() {
    if (m_themeFile.isEmpty())
        return;
    m_mgr.load(m_themeFile);
    m_canUse = true;
    refreshOwnerComponents();
}

void TsuiFileTheme::refreshOwnerComponents() {
    auto* form = qobject_cast<QWidget*>(parent());
    if (!form || !form->isWindow())
        return;
    for (QObject* component : form->findChildren<QObject*>()) {
        if (qstrncmp(component->metaObject()->className(), "Tsui", 4) != 0 ||
            !HasProperty(component, property::FileTheme))
            continue;
        if (component->property(property::FileTheme).value<QObject*>() == this)
            component->setProperty(property::FileTheme, QVariant::fromValue(this));
    }
}

void TsuiFileTheme::GetBitmap(int element, QImage& target) const {
    const TsuiThemeFileReader* reader = m_mgr.reader();
    const char* key = elementKey(element);
    if (!reader || !key)
        return;
    const std::optional<QByteArray> data = reader->FindImage(QLatin1String(key));
    if (!data)
        return;
    readThemeBitmap(*data, target);
}

void TsuiFileTheme::GetBitmap(int element, QImage& target, int frameIndex, int frameCount) const {
    QImage whole;
    GetBitmap(element, whole);
    if (!whole.isNull())
        CutFrame(whole, target, frameCount, frameIndex);
}

TColor TsuiFileTheme::GetColor(int element) const {
    return TColor(quint32(GetInt(element)));
}

int TsuiFileTheme::GetInt(int element) const {
    const TsuiThemeFileReader* reader = m_mgr.reader();
    const char* key = elementKey(element);
    if (!reader)
        return 0;
    return key ? reader->FindInteger(QLatin1String(key)) : -1;
}

bool TsuiFileTheme::GetBool(int element) const {
    const TsuiThemeFileReader* reader = m_mgr.reader();
    const char* key = elementKey(element);
    return reader && key && reader->FindBoolean(QLatin1String(key));
}
