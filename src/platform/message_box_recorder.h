#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// One box the program asked for, as a test sees it.
struct ShownBox {
    enum Kind { Message, Confirmation, Information, Error };
    Kind kind;
    QString caption;
    QString text;
};

// While one of these lives, the standard boxes are not shown: each is recorded, and a
// question is answered by `answer` (default "OK"). For tests and benchmarks.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    QList<ShownBox> boxes;
    std::function<bool(const ShownBox&)> answer = [](const ShownBox&) {
        return true;
    };

    QStringList texts() const;
    QStringList texts(ShownBox::Kind kind) const;
};

} // namespace platform
