#include "gallery.h"

#include "grab_folder.h"
#include "program_windows.h"
#include "window_grabber.h"

#include "app/look_chooser.h"
#include "platform/fonts.h"
#include "skin/frame/message_window.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace {

constexpr int kGap = 12;
constexpr int kLabelWidth = 150;
constexpr int kHeaderHeight = 28;
const QColor kBackground(0x80, 0x80, 0x80);
const QColor kLabelColor(Qt::white);

const QStringList kWindowNames = {QStringLiteral("TForm1"), QStringLiteral("TForm4 «О программе»"),
                                  QStringLiteral("TForm3 «Путь»"),
                                  QStringLiteral("TfrmMsg «Внимание!»")};

struct LookRow {
    QString name;
    QList<QImage> pictures;
};

LookRow grabRow(WindowGrabber& grabber, ProgramWindows& windows, const QString& name) {
    LookRow row{name, {}};
    row.pictures << grabber.pictureOfShown(windows.form1.get(), name);
    windows.form1->hide();
    row.pictures << grabber.pictureOfShown(windows.form4.get(), name);
    windows.form4->hide();
    row.pictures << grabber.pictureOfShown(windows.form3.get(), name);
    windows.form3->hide();
    const std::unique_ptr<TfrmMsg> message = windows.form1->ui.suiMessageDialog1->buildWindow();
    row.pictures << grabber.pictureOfShown(message.get(), name);
    return row;
}

QImage compose(const QList<LookRow>& rows) {
    QList<int> widths(kWindowNames.size(), 0);
    QList<int> heights;
    for (const LookRow& row : rows) {
        int height = 0;
        for (int c = 0; c < row.pictures.size(); ++c) {
            widths[c] = std::max(widths[c], row.pictures[c].width());
            height = std::max(height, row.pictures[c].height());
        }
        heights << height;
    }
    int width = kLabelWidth + kGap;
    for (int w : widths)
        width += w + kGap;
    int height = kHeaderHeight + kGap;
    for (int h : heights)
        height += h + kGap;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kBackground);
    QPainter painter(&sheet);
    QFont font = platform::interfaceFont();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kLabelColor);
    int x = kLabelWidth + kGap;
    for (int c = 0; c < kWindowNames.size(); ++c) {
        painter.drawText(QRect(x, 0, widths[c], kHeaderHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         kWindowNames[c]);
        x += widths[c] + kGap;
    }
    int y = kHeaderHeight + kGap;
    for (int r = 0; r < rows.size(); ++r) {
        painter.drawText(QRect(kGap, y, kLabelWidth - kGap, heights[r]),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, rows[r].name);
        x = kLabelWidth + kGap;
        for (int c = 0; c < rows[r].pictures.size(); ++c) {
            painter.drawImage(x, y, rows[r].pictures[c]);
            x += widths[c] + kGap;
        }
        y += heights[r] + kGap;
    }
    return sheet;
}

} // namespace

bool writeGallery(WindowGrabber& grabber, const GrabFolder& folder, const QString& file) {
    folder.writeRecords();
    ProgramWindows windows;
    app::LookChooser& chooser = *windows.form1->lookChooser();
    QList<LookRow> rows;
    for (TsuiUIStyle style : app::offeredStyles()) {
        chooser.startWith(app::Look{style, QString()});
        rows << grabRow(grabber, windows, app::lookCaption(style));
    }
    if (chooser.startWith(app::Look{TsuiUIStyle::FromThemeFile, folder.themeFile()}))
        rows << grabRow(grabber, windows,
                        QStringLiteral("Тема из файла\n") +
                            QFileInfo(folder.themeFile()).fileName());
    else
        return false;
    return compose(rows).save(file, "PNG");
}
