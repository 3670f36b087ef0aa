#include "app/images_folder_warning.h"

#include <QMessageBox>
#include <QPushButton>

void showImagesFolderWarning() {
    // No owner window, so the box is centred on the screen.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Внимание!"),
                    QStringLiteral("Необходимо задать путь к папке с изображениями"));
    box.setObjectName("suiMessageDialog1");
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ok->setCursor(Qt::PointingHandCursor);
    box.exec();
}
