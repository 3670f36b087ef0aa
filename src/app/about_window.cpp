#include "app/about_window.h"

#include "app/about_artwork.h"
#include "photos/photo_view.h"
#include "skin/controls/url_label.h"
#include "skin/frame/geometry.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/window_building.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QUrl>

using namespace skin::frame;

namespace {

const QString kDocumentationName = QStringLiteral("README.md");
// Where an installation puts it, relative to the program's folder.
const QString kInstalledDocumentation = QStringLiteral("/../share/doc/kalmo/README.md");

// A link in blue that turns red under the mouse.
TsuiURLLabel* urlLabel(QWidget* parent, const QString& caption, const QUrl& url) {
    auto* link = new TsuiURLLabel(parent);
    link->setText(caption);
    link->setURL(url.toString());
    link->setFontHoverColor(TsuiURLLabel::kHoverColor);
    link->setFontLinkColor(TsuiURLLabel::kLinkColor);
    return link;
}

} // namespace

namespace app {

QUrl programDocumentationUrl() {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + '/' + kDocumentationName;
    return QUrl::fromLocalFile(
        QFile::exists(beside) ? beside : QDir::cleanPath(folder + kInstalledDocumentation));
}

} // namespace app

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    ui.suiForm1 =
        skin::frame::setUpSkinnedWindow(this, "Form4", QStringLiteral("О программе"),
                                        {kWidth, kHeight}, {TsuiTitleBarBtnType::suiClose});
    skin::frame::centreOnScreenWhenShown(this);

    ui.Label1 = boldLabel(ui.suiForm1, "Label1", QStringLiteral("Записная книжка v 2.1b"), 24, 40);
    ui.Bevel3 = bevel(ui.suiForm1, "Bevel3", 8, 64, 185, 2, QFrame::HLine);
    ui.Label2 = label(ui.suiForm1, "Label2", QStringLiteral("Автор"), 8, 72);
    ui.Label3 = label(ui.suiForm1, "Label3", QStringLiteral("Команда Kalmo"), 8, 88);
    ui.suiURLLabel2 = place(
        urlLabel(ui.suiForm1, QStringLiteral("Написать письмо"), app::programDocumentationUrl()),
        "suiURLLabel2", 8, 104, 90, 13);

    ui.Image2 = place(new QLabel(ui.suiForm1), "Image2", 112, 72, 81, 89);
    ui.Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QImage photo = app::aboutPhoto();
    ui.Image2->setPixmap(
        QPixmap::fromImage(photos::fitPhoto({photo, photo.size()}, ui.Image2->size())));
    ui.Bevel4 = bevel(ui.suiForm1, "Bevel4", 112, 72, 78, 92, QFrame::Box);

    ui.Bevel1 = bevel(ui.suiForm1, "Bevel1", 8, 168, 185, 2, QFrame::HLine);
    ui.Label4 = label(ui.suiForm1, "Label4", QStringLiteral("Дата компиляции"), 8, 176);
    ui.Label5 = label(ui.suiForm1, "Label5", QStringLiteral("19.01.2006"), 8, 192);
    ui.Image1 = place(new QLabel(ui.suiForm1), "Image1", 160, 176, 33, 33);
    ui.Image1->setPixmap(QPixmap::fromImage(app::aboutIcon()));
    ui.Bevel2 = bevel(ui.suiForm1, "Bevel2", 8, 216, 185, 2, QFrame::HLine);
    ui.suiURLLabel1 = place(urlLabel(ui.suiForm1, QStringLiteral("Посетить сайт программы"),
                                     app::programDocumentationUrl()),
                            "suiURLLabel1", 24, 224, 136, 13);
}
