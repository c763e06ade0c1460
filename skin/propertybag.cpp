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

qsizetype PropertyBag::indexOf(const QString &key) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool PropertyBag::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

bool operator==(const PropertyBag &a, const PropertyBag &b)
{
    if (a.m_entries.size() != b.m_entries.size())
        return false;
    for (const PropertyBag::Entry &entry : a.m_entries) {
        const qsizetype index = b.indexOf(entry.key);
        if (index < 0 || b.m_entries[index].value != entry.value ||
            b.m_entries[index].isPicture != entry.isPicture)
            return false;
    }
    return true;
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    for (const Entry &entry : m_entries)
        result.append(entry.key);
    return result;
}

QVariant PropertyBag::read(const QString &key, const QVariant &defaultValue) const
{
    const qsizetype index = indexOf(key);
    if (index < 0 || m_entries[index].isPicture)
        return defaultValue;
    const QVariant &value = m_entries[index].value;
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
    const qsizetype index = indexOf(key);
    if (index < 0 || !m_entries[index].isPicture)
        return defaultPicture;
    QImage picture;
    if (!picture.loadFromData(m_entries[index].value.toByteArray(), "BMP"))
        return defaultPicture;
    return picture;
}

void PropertyBag::store(Entry entry)
{
    const qsizetype index = indexOf(entry.key);
    if (index >= 0)
        m_entries[index] = std::move(entry);
    else
        m_entries.append(std::move(entry));
}

void PropertyBag::remove(const QString &key)
{
    const qsizetype index = indexOf(key);
    if (index >= 0)
        m_entries.removeAt(index);
}

void PropertyBag::write(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    const QVariant stored = normalised(value);
    if (stored == normalised(defaultValue)) {
        remove(key);
        return;
    }
    store({key, stored, false});
}

void PropertyBag::writePicture(const QString &key, const QImage &picture)
{
    store({key, bitmapFile(picture), true});
}

QByteArray PropertyBag::toText() const
{
    QJsonObject object;
    for (const Entry &entry : m_entries) {
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
            bag.store({it.key(), value.toBool(), false});
        } else if (value.isDouble()) {
            // Stored numbers are whole 32-bit values; any other is left out, so
            // that reading it gives the default.
            const double number = value.toDouble();
            if (std::isfinite(number) && number == std::trunc(number) &&
                number >= std::numeric_limits<qint32>::min() &&
                number <= std::numeric_limits<qint32>::max())
                bag.store({it.key(), static_cast<qint64>(number), false});
        } else if (value.isString()) {
            bag.store({it.key(), value.toString(), false});
        } else if (value.isObject() && value.toObject().value(pictureTag).isString()) {
            const QByteArray bytes =
                QByteArray::fromBase64(value.toObject().value(pictureTag).toString().toLatin1());
            bag.store({it.key(), bytes, true});
        } else {
            return fail(QStringLiteral("unsupported value for key \"%1\"").arg(it.key()));
        }
    }
    return bag;
}

} // namespace orvex
