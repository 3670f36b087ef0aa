#pragma once

#include <QDialog>

class QLabel;
class TsuiForm;
class TsuiButton;

// The window a message dialog builds each time it is shown: a skinned dialog frame with
// the icon and the text beside it placed by the message metrics; the dialog adds the
// buttons. Escape does not close it; the title bar's close button gives Cancel (2);
// Ctrl+C copies the title, text and button captions between rule lines.
class TfrmMsg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCloseResult = 2;

    explicit TfrmMsg(QWidget* parent = nullptr);

    // The text Ctrl+C puts on the clipboard.
    QString clipboardText() const;
    // The buttons in the order they were created (rightmost first).
    QList<TsuiButton*> buttons() const;

    TsuiForm* suiForm1 = nullptr;
    QLabel* lbl = nullptr;
    QLabel* Image1 = nullptr;

public slots:
    // Escape ends no message: only a button or the title bar's close does.
    void reject() override {}

    // A button on the skinned form; the window sees its keys first.
    TsuiButton* addButton(const QString& caption, int modalResult, const QRect& geometry,
                          Qt::CursorShape cursor);

protected:
    // Ctrl+C copies the message; true when the key was used.
    bool FormKeyDown(const QKeyEvent& event);
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
