#include "script_player.h"

#include "app/main_window.h"
#include "platform/message_box_recorder.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace crash_script {
namespace {

void showByName(TForm1& window, const QString& fullName) {
    window.guarded([&] { window.searchClick(); });
    window.ui.suiComboBox1->setEditText(fullName);
    window.guarded([&] { window.ToolButton1Click(); });
}

void typeRecord(TForm1& window, const QString& fullName) {
    const store::ContactRecord record = recordNamed(fullName);
    window.ui.fio->setText(record.field(store::ContactField::FullName));
    window.ui.adres->setText(record.field(store::ContactField::Address));
    window.ui.tel->setText(record.field(store::ContactField::Telephone));
    window.ui.rabota->setText(record.field(store::ContactField::Workplace));
    window.ui.email->setText(record.field(store::ContactField::Email));
}

// Answers the picture chooser that the next handler opens with `picture`.
void answerChooserWith(const QString& picture) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, picture] {
        if (auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            chooser->selectFile(picture);
            QMetaObject::invokeMethod(chooser, "accept", Qt::QueuedConnection);
            poll->deleteLater();
        }
    });
    poll->start(1);
}

} // namespace

QString play(TForm1& window, platform::MessageBoxRecorder& boxes, const Op& op) {
    boxes.boxes.clear();
    switch (op.kind) {
    case Kind::New:
        window.guarded([&] { window.newClick(); });
        typeRecord(window, op.written);
        window.guarded([&] { window.saveClick(); });
        break;
    case Kind::Change:
        showByName(window, op.target);
        typeRecord(window, op.written);
        window.guarded([&] { window.suiButton2Click(); });
        break;
    case Kind::Delete:
        showByName(window, op.target);
        window.guarded([&] { window.deleteClick(); });
        break;
    case Kind::Backup:
        window.guarded([&] { window.N4Click(); });
        break;
    case Kind::Clear:
        window.guarded([&] { window.N5Click(); });
        break;
    case Kind::Restore:
        window.guarded([&] { window.N3Click(); });
        break;
    case Kind::PhotoPathRefresh:
        showByName(window, op.target);
        window.guarded([&] { window.Button1Click(); });
        break;
    case Kind::PhotoReplace:
        showByName(window, op.target);
        answerChooserWith(op.written);
        window.guarded([&] { window.suiButton3Click(); });
        break;
    case Kind::PhotoRemove:
        showByName(window, op.target);
        window.guarded([&] { window.suiButton4Click(); });
        break;
    }
    return boxes.texts(platform::ShownBox::Error).join("; ");
}

} // namespace crash_script
