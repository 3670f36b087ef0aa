// The five text boxes of the main window take only what the base can keep: at most 50
// characters of its code page. Refused input, typed or pasted, leaves the box as it was
// and says why in the status bar for a while.
#include "app/contact_text_validator.h"
#include "support/record_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace record_fixture;

namespace {

// Types text into box a character at a time, as a keyboard in any layout would.
void typeText(QWidget* box, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.mid(i, length));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text.mid(i, length));
        QApplication::sendEvent(box, &release);
        i += length - 1;
    }
}

class ContactTextInput : public ::testing::Test {
protected:
    TForm1& open() {
        QImage photo(8, 8, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        photoPath = base.folder.filePath("petrov.jpg");
        photo.save(photoPath, "JPG");
        base.writeDataFile({makeRecord("Петров", "", "", "", "", photoPath)});
        return base.openWindow();
    }
    QString photoPath;
    WindowFixture base;
};

TEST(ContactTextValidator, SaysWhyTextCannotBeKept) {
    using app::ContactTextValidator;
    EXPECT_EQ(ContactTextValidator::refusal(QStringLiteral("Ёлкин, ул. №5 «Дом» € ©")), "");
    EXPECT_EQ(ContactTextValidator::refusal(QString(50, QChar(u'Я'))), "");
    EXPECT_EQ(ContactTextValidator::refusal(QString(51, QChar(u'Я'))), "Не больше 50 знаков");
    EXPECT_EQ(ContactTextValidator::refusal(QStringLiteral("Zoë Ørsted")),
              "База не хранит знак «ë»");
    // A character outside the basic plane is named whole.
    EXPECT_EQ(ContactTextValidator::refusal(QStringLiteral("Смайл 😀")), "База не хранит знак «😀»");
}

TEST_F(ContactTextInput, ALetterOutsideTheCodePageIsRefusedAsItIsTyped) {
    TForm1& w = open();
    for (QLineEdit* box : {w.ui.fio, w.ui.adres, w.ui.tel, w.ui.rabota, w.ui.email}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setFocus();
        box->clear();
        typeText(box, QStringLiteral("Zo"));
        typeText(box, QStringLiteral("ë"));
        EXPECT_EQ(box->text(), "Zo");
        EXPECT_EQ(w.photoPanelText(), "База не хранит знак «ë»");
        typeText(box, QStringLiteral("ё"));
        EXPECT_EQ(box->text(), "Zoё");
    }
}

TEST_F(ContactTextInput, APasteTheBaseCannotKeepIsRefusedWhole) {
    TForm1& w = open();
    w.ui.adres->setFocus();
    w.ui.adres->setText(QStringLiteral("Москва"));
    QApplication::clipboard()->setText(QStringLiteral(", Zoë Ørsted"));
    w.ui.adres->paste();
    EXPECT_EQ(w.ui.adres->text(), "Москва");
    EXPECT_EQ(w.photoPanelText(), "База не хранит знак «ë»");

    QApplication::clipboard()->setText(QStringLiteral(", Тверская"));
    w.ui.adres->paste();
    EXPECT_EQ(w.ui.adres->text(), "Москва, Тверская");
}

TEST_F(ContactTextInput, TheFiftyFirstCharacterIsRefusedTypedOrPasted) {
    TForm1& w = open();
    w.ui.rabota->setFocus();
    w.ui.rabota->clear();
    typeText(w.ui.rabota, QString(50, QChar(u'ж')));
    EXPECT_EQ(w.ui.rabota->text().size(), 50);
    typeText(w.ui.rabota, QStringLiteral("ж"));
    EXPECT_EQ(w.ui.rabota->text().size(), 50);
    EXPECT_EQ(w.photoPanelText(), "Не больше 50 знаков");

    w.ui.rabota->clear();
    QApplication::clipboard()->setText(QString(51, QChar(u'ж')));
    w.ui.rabota->paste();
    EXPECT_EQ(w.ui.rabota->text(), "");
}

TEST_F(ContactTextInput, ThePhotoPathComesBackAfterTheHintUnlessItChanged) {
    TForm1& w = open();
    ASSERT_EQ(w.photoPanelText(), photoPath);
    w.ui.fio->setFocus();
    typeText(w.ui.fio, QStringLiteral("ë"));
    typeText(w.ui.fio, QStringLiteral("Ø")); // a second hint keeps the path to restore
    EXPECT_EQ(w.photoPanelText(), "База не хранит знак «Ø»");
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.photoPanelText() == photoPath; }, 6000));

    // A path shown while the hint is up is not replaced by the older one.
    typeText(w.ui.fio, QStringLiteral("ë"));
    w.setPhotoPanelText(QStringLiteral("/photos/other.jpg"));
    QTest::qWait(4500);
    EXPECT_EQ(w.photoPanelText(), "/photos/other.jpg");
}

// A stored text is shown as it is, whatever the boxes would accept from the keyboard.
TEST_F(ContactTextInput, StoredTextIsShownUnchecked) {
    base.writeDataFile({makeRecord("Zo? ?rsted")});
    TForm1& w = base.openWindow();
    EXPECT_EQ(w.ui.fio->text(), "Zo? ?rsted");
}

} // namespace
