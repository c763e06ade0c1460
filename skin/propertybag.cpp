#include <OrvexSkin/propertybag.h>
#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

namespace orvex {

namespace {

constexpr QLatin1String pictureTag("bmp");

QVariant normalised(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toLongLong();
    default:
        return value.toString();
    }
}

QByteArray bitmapFile(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

} // namespace

class PropertyBagData : public QSharedData
{
public:
    struct Entry
    {
        QString key;
        QVariant value; // bool, qint64, QString, or QByteArray of a bitmap file
        bool isPicture = false;
    };

    qsizetype indexOf(const QString &key) const
    {
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (entries[i].key.compare(key, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }

    void store(Entry entry)
    {
        const qsizetype index = indexOf(entry.key);
        if (index >= 0)
            entries[index] = std::move(entry);
        else
            entries.append(std::move(entry));
    }

    void remove(const QString &key)
    {
        const qsizetype index = indexOf(key);
        if (index >= 0)
            entries.removeAt(index);
    }

    QList<Entry> entries;
};

PropertyBag::PropertyBag() : d(new PropertyBagData) {}
PropertyBag::PropertyBag(const PropertyBag &other) = default;
PropertyBag &PropertyBag::operator=(const PropertyBag &other) = default;
PropertyBag::~PropertyBag() = default;

bool PropertyBag::contains(const QString &key) const
{
    return d->indexOf(key) >= 0;
}

bool operator==(const PropertyBag &a, const PropertyBag &b)
{
    if (a.d->entries.size() != b.d->entries.size())
        return false;
    for (const PropertyBagData::Entry &entry : a.d->entries) {
        const qsizetype index = b.d->indexOf(entry.key);
        if (index < 0 || b.d->entries[index].value != entry.value ||
            b.d->entries[index].isPicture != entry.isPicture)
            return false;
    }
    return true;
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    for (const PropertyBagData::Entry &entry : d->entries)
        result.append(entry.key);
    return result;
}

QVariant PropertyBag::read(const QString &key, const QVariant &defaultValue) const
{
    const qsizetype index = d->indexOf(key);
    if (index < 0 || d->entries[index].isPicture)
        return defaultValue;
    const QVariant &value = d->entries[index].value;
    if (defaultValue.typeId() == QMetaType::Bool)
        return value.typeId() == QMetaType::Bool ? value : QVariant(value.toLongLong() != 0);
    if (defaultValue.isValid() && value.canConvert(defaultValue.metaType())) {
        QVariant converted = value;
        converted.convert(defaultValue.metaType());
        return converted;
    }
    return value;
}

QImage PropertyBag::readPicture(const QString &key, const QImage &defaultPicture) const
{
    const qsizetype index = d->indexOf(key);
    if (index < 0 || !d->entries[index].isPicture)
        return defaultPicture;
    QImage picture;
    if (!picture.loadFromData(d->entries[index].value.toByteArray(), "BMP"))
        return defaultPicture;
    return picture;
}

void PropertyBag::write(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    const QVariant stored = normalised(value);
    if (stored == normalised(defaultValue)) {
        // Left alone when absent, so that a bag shared with copies stays shared.
        if (contains(key))
            d->remove(key);
        return;
    }
    d->store({key, stored, false});
}

void PropertyBag::writePicture(const QString &key, const QImage &picture)
{
    d->store({key, bitmapFile(picture), true});
}

QByteArray PropertyBag::toText() const
{
    QJsonObject object;
    for (const PropertyBagData::Entry &entry : d->entries) {
        if (entry.isPicture) {
            object.insert(entry.key,
                          QJsonObject{{pictureTag,
                                       QString::fromLatin1(entry.value.toByteArray().toBase64())}});
        } else {
            object.insert(entry.key, QJsonValue::fromVariant(entry.value));
        }
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<PropertyBag> PropertyBag::fromText(const QByteArray &text, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return std::optional<PropertyBag>();
    };
    if (parseError.error != QJsonParseError::NoError)
        return fail(parseError.errorString());
    if (!document.isObject())
        return fail(QStringLiteral("the stored design is not a JSON object"));

    PropertyBag bag;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonValue value = it.value();
        if (value.isBool()) {
            bag.d->store({it.key(), value.toBool(), false});
        } else if (value.isDouble()) {
            // Stored numbers are whole 32-bit values; any other is left out, so
            // that reading it gives the default.
            const double number = value.toDouble();
            if (std::isfinite(number) && number == std::trunc(number) &&
                number >= std::numeric_limits<qint32>::min() &&
                number <= std::numeric_limits<qint32>::max())
                bag.d->store({it.key(), static_cast<qint64>(number), false});
        } else if (value.isString()) {
            bag.d->store({it.key(), value.toString(), false});
        } else if (value.isObject() && value.toObject().value(pictureTag).isString()) {
            const QByteArray bytes =
                QByteArray::fromBase64(value.toObject().value(pictureTag).toString().toLatin1());
            bag.d->store({it.key(), bytes, true});
        } else {
            return fail(QStringLiteral("unsupported value for key \"%1\"").arg(it.key()));
        }
    }
    return bag;
}

} // namespace orvex
