#include "app/about_window.h"

#include "app/about_artwork.h"
#include "photos/photo_view.h"
#include "skin/controls/url_label.h"
#include "skin/controls/window_building.h"
#include "skin/frame/sui_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QUrl>

namespace {

const QString kDocumentationName = QStringLiteral("README.md");
// Where an installation puts it, relative to the program's folder.
const QString kInstalledDocumentation = QStringLiteral("/../share/doc/kalmo/README.md");
const QString kProjectMail = QStringLiteral("mailto:kalmo@example.org");

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

using controls::bevel;
using controls::label;
using controls::place;

QUrl programDocumentationUrl() {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + '/' + kDocumentationName;
    return QUrl::fromLocalFile(
        QFile::exists(beside) ? beside : QDir::cleanPath(folder + kInstalledDocumentation));
}

QUrl projectMailUrl() {
    return QUrl(kProjectMail);
}

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    suiForm1 = controls::setUpSkinnedWindow(this, "Form4", QStringLiteral("О программе"),
                                            {kWidth, kHeight}, {TsuiTitleBarBtnType::suiClose});

    Label1 = label(suiForm1, "Label1", QStringLiteral("Записная книжка v 2.1b"), 24, 40);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->adjustSize();
    Bevel3 = bevel(suiForm1, "Bevel3", 8, 64, 185, 2, QFrame::HLine);
    Label2 = label(suiForm1, "Label2", QStringLiteral("Автор"), 8, 72);
    Label3 = label(suiForm1, "Label3", QStringLiteral("Разработчики Kalmo"), 8, 88);
    suiURLLabel2 = place(urlLabel(suiForm1, QStringLiteral("Написать письмо"), projectMailUrl()),
                         "suiURLLabel2", 8, 104, 90, 13);

    Image2 = place(new QLabel(suiForm1), "Image2", 112, 72, 81, 89);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QImage photo = artwork::aboutPhoto();
    Image2->setPixmap(QPixmap::fromImage(fitPhoto({photo, photo.size()}, Image2->size())));
    Bevel4 = bevel(suiForm1, "Bevel4", 112, 72, 78, 92, QFrame::Box);

    Bevel1 = bevel(suiForm1, "Bevel1", 8, 168, 185, 2, QFrame::HLine);
    Label4 = label(suiForm1, "Label4", QStringLiteral("Дата компиляции"), 8, 176);
    Label5 = label(suiForm1, "Label5", QStringLiteral("19.01.2006"), 8, 192);
    Image1 = place(new QLabel(suiForm1), "Image1", 160, 176, 33, 33);
    Image1->setPixmap(QPixmap::fromImage(artwork::aboutIcon()));
    Bevel2 = bevel(suiForm1, "Bevel2", 8, 216, 185, 2, QFrame::HLine);
    suiURLLabel1 = place(
        urlLabel(suiForm1, QStringLiteral("Посетить сайт программы"), programDocumentationUrl()),
        "suiURLLabel1", 24, 224, 136, 13);
}
