#pragma once

#include <OrvexSkin/orvexskin_export.h>
#include <QByteArray>
#include <QImage>
#include <QSharedDataPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace orvex {

class PropertyBagData;

// The stored design-time properties of a control. Keys are matched without
// regard to case and keep the spelling they were written with. Values are
// booleans, integers, strings or pictures; a picture is kept as the bytes of a
// bitmap file. The text form is JSON, so that stored designs can be read and
// reviewed.
class ORVEX_SKIN_EXPORT PropertyBag
{
public:
    PropertyBag();
    // Copies share the entries until one of them changes.
    PropertyBag(const PropertyBag &other);
    PropertyBag &operator=(const PropertyBag &other);
    ~PropertyBag();

    bool contains(const QString &key) const;
    QStringList keys() const;

    // The stored value, or `defaultValue` when the key is absent.
    QVariant read(const QString &key, const QVariant &defaultValue) const;
    // The stored picture, or `defaultPicture` when the key is absent or its
    // bytes are not a picture.
    QImage readPicture(const QString &key, const QImage &defaultPicture) const;

    // Stores `value` unless it equals `defaultValue`, in which case the key is
    // left out of the bag.
    void write(const QString &key, const QVariant &value, const QVariant &defaultValue);
    // Stores a picture as a bitmap file image; pictures are always written.
    void writePicture(const QString &key, const QImage &picture);

    QByteArray toText() const;
    // Parses a text form; nullopt (and `error` set) when it is not one.
    static std::optional<PropertyBag> fromText(const QByteArray &text, QString *error = nullptr);

    // Same keys (without regard to case) with the same values, in any order.
    friend ORVEX_SKIN_EXPORT bool operator==(const PropertyBag &a, const PropertyBag &b);

private:
    // One pointer, so that the class's size and layout stay the same when a
    // later version keeps more.
    QSharedDataPointer<PropertyBagData> d;
};

} // namespace orvex
