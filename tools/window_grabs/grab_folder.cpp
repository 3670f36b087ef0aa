#include "grab_folder.h"

#include "style_dump.h"

#include "photos/images_folder_setting.h"
#include "platform/base_folder.h"
#include "store/codec1251.h"
#include "store/contact_record.h"
#include "store/data_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSettings>

#include <stdexcept>

namespace {

const QString kFolder = QStringLiteral("/tmp/kalmo-window-grabs");
const QString kImagesFolder = QStringLiteral("Фото");
const QString kPhotoName = QStringLiteral("Иванов Иван Петрович.jpg");
const QString kThemeName = QStringLiteral("grabs.theme");
// Not DeepBlue: a theme file that silently fell back to DeepBlue must show.
constexpr TsuiUIStyle kThemeStyle = TsuiUIStyle::Protein;

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

store::ContactRecord record(const QStringList& texts, const QString& photo = QString()) {
    store::ContactRecord result;
    for (int i = 0; i < texts.size(); ++i)
        result.store(store::kTextFields[i], texts[i]);
    result.store(store::ContactField::PhotoPath, photo);
    return result;
}

// Shapes and a gradient, so scaling and colour faults show in the photo box.
QImage photoPicture() {
    QImage picture(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 159, y * 255 / 119, 160));
    QPainter painter(&picture);
    painter.fillRect(0, 0, 80, 60, Qt::black);
    painter.setBrush(Qt::yellow);
    painter.drawEllipse(90, 50, 50, 50);
    return picture;
}

} // namespace

GrabFolder::GrabFolder() : m_path(kFolder) {
    QDir dir(m_path);
    if ((dir.exists() && !dir.removeRecursively()) || !dir.mkpath(kImagesFolder))
        fail("cannot make " + m_path);
    platform::BaseFolder::set(m_path);
    // The images folder is read from the user's settings: these must not be the real ones.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_path);
    photos::saveImagesFolder(dir.filePath(kImagesFolder));
    if (!photoPicture().save(dir.filePath(kImagesFolder + '/' + kPhotoName), "JPEG", 90))
        fail("cannot write the photo");
    QString error;
    if (!writeThemeFile(themeFile(), builtInStyleEntries(kThemeStyle), error))
        fail(error);
}

GrabFolder::~GrabFolder() {
    QDir(m_path).removeRecursively();
}

void GrabFolder::writeRecords() const {
    const QString photo = QDir(m_path).filePath(kImagesFolder + '/' + kPhotoName);
    store::DataFile file;
    file.bind(platform::BaseFolder::filePath(QStringLiteral("Baza.dat")));
    file.create();
    file.write(
        record({QStringLiteral("Иванов Иван Петрович"),
                QStringLiteral("г. Москва, ул. Садовая, д. 12, кв. 34"),
                QStringLiteral("+7 (495) 123-45-67"), QStringLiteral("НИИ «Прибор», инженер"),
                QStringLiteral("ivanov@example.org")},
               photo));
    file.write(record({QStringLiteral("Петров Пётр Сергеевич"), QStringLiteral("г. Тверь"),
                       QStringLiteral("22-33-44"), QString(), QString()}));
    file.write(record({QStringLiteral("Сидорова Анна"), QString(), QString(),
                       QStringLiteral("Школа № 5"), QStringLiteral("anna@example.org")}));
    file.sync();
    file.close();
}

void GrabFolder::removeBase() const {
    for (const char* name : {"Baza.dat", "Baza1.dat"})
        QFile::remove(platform::BaseFolder::filePath(QString::fromLatin1(name)));
}

QString GrabFolder::vCardFile() const {
    const QString path = QDir(m_path).filePath(QStringLiteral("contacts.vcf"));
    const QString cards = QStringLiteral(
        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Петров Пётр Сергеевич\r\nTEL:8 22-33-44\r\n"
        "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:2.1\r\n"
        "FN:Константинопольская-Черноморская Александра Владимировна\r\n"
        "ADR;HOME:;;ул. Ленина, 1;Тверь;;;\r\nTEL;CELL:+7 900 111-22-33\r\n"
        "TEL;HOME:22-33-55\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N:Орлов;Олег;;;\r\nORG:Завод\r\nEMAIL:orlov@example.org\r\nEND:VCARD\r\n");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(store::encode1251(cards)) < 0)
        fail("cannot write the contact file");
    return path;
}

QString GrabFolder::csvFile() const {
    const QString path = QDir(m_path).filePath(QStringLiteral("contacts.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QStringLiteral("Фамилия;Имя;Мобильный телефон;Организация;Заметки\r\n"
                                  "Орлов;Олег;+7 900 000-11-22;Завод;друг\r\n"
                                  "Смирнова;Ольга;;Школа № 5;\r\n")
                       .toUtf8()) < 0)
        fail("cannot write the contact file");
    return path;
}

QString GrabFolder::themeFile() const {
    return QDir(m_path).filePath(kThemeName);
}
