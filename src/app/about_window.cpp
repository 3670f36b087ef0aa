#include "app/about_window.h"

#include "app/about_artwork.h"
#include "photos/photo_view.h"
#include "platform/fonts.h"
#include "skin/controls/url_label.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/window_skin.h"

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

template <typename Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top,
              int width) {
    auto* result = place(new QLabel(text, parent), name, left, top, width, 13);
    result->adjustSize(); // the captions size themselves to their text
    return result;
}

QFrame* bevel(QWidget* parent, const char* name, int left, int top, int width, int height,
              QFrame::Shape shape) {
    auto* frame = place(new QFrame(parent), name, left, top, width, height);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

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
    setObjectName("Form4");
    setWindowTitle(QStringLiteral("О программе"));
    setMinimumWidth(150);
    resize(kWidth, kHeight);
    setFont(platform::interfaceFont());

    suiForm1 = skinWindow(this, {TsuiTitleBarBtnType::suiClose});

    Label1 = label(suiForm1, "Label1", QStringLiteral("Записная книжка v 2.1b"), 24, 40, 146);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->adjustSize();
    Bevel3 = bevel(suiForm1, "Bevel3", 8, 64, 185, 2, QFrame::HLine);
    Label2 = label(suiForm1, "Label2", QStringLiteral("Автор"), 8, 72, 30);
    Label3 = label(suiForm1, "Label3", QStringLiteral("Разработчики Kalmo"), 8, 88, 78);
    suiURLLabel2 = place(urlLabel(suiForm1, QStringLiteral("Написать письмо"), projectMailUrl()),
                         "suiURLLabel2", 8, 104, 90, 13);

    Image2 = place(new QLabel(suiForm1), "Image2", 112, 72, 81, 89);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QImage photo = artwork::aboutPhoto();
    Image2->setPixmap(QPixmap::fromImage(fitPhoto({photo, photo.size()}, Image2->size())));
    Bevel4 = bevel(suiForm1, "Bevel4", 112, 72, 78, 92, QFrame::Box);

    Bevel1 = bevel(suiForm1, "Bevel1", 8, 168, 185, 2, QFrame::HLine);
    Label4 = label(suiForm1, "Label4", QStringLiteral("Дата компиляции"), 8, 176, 91);
    Label5 = label(suiForm1, "Label5", QStringLiteral("19.01.2006"), 8, 192, 54);
    Image1 = place(new QLabel(suiForm1), "Image1", 160, 176, 33, 33);
    Image1->setPixmap(QPixmap::fromImage(artwork::aboutIcon()));
    Bevel2 = bevel(suiForm1, "Bevel2", 8, 216, 185, 2, QFrame::HLine);
    suiURLLabel1 = place(
        urlLabel(suiForm1, QStringLiteral("Посетить сайт программы"), programDocumentationUrl()),
        "suiURLLabel1", 24, 224, 136, 13);
}
