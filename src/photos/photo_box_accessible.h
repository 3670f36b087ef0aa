#pragma once

#include <QAccessibleWidget>

namespace photos {

class PhotoBox;

// What a screen reader learns of the record's picture box: a picture with a "press"
// action, described by the box's hint, that opens the photo as a click does; the action
// is offered only while the box takes clicks.
class PhotoBoxAccessible : public QAccessibleWidget {
public:
    explicit PhotoBoxAccessible(PhotoBox* box);

    QStringList actionNames() const override;
    QString localizedActionDescription(const QString& actionName) const override;
    void doAction(const QString& actionName) override;

    // Registers the interface for every picture box; runs once however often called.
    static void install();

private:
    PhotoBox* box() const;
};

} // namespace photos
