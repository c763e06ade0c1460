#include "app/diskservice.h"

#include "app/machineaccess.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QLoggingCategory>
#include <QMap>
#include <QVariantMap>

namespace orvex {

namespace {

Q_LOGGING_CATEGORY(lcEject, "orvex.eject")

const QString service = QStringLiteral("org.freedesktop.UDisks2");
const QString blockDevices = QStringLiteral("/org/freedesktop/UDisks2/block_devices/");
const QString blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString filesystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString loopInterface = QStringLiteral("org.freedesktop.UDisks2.Loop");
const QString driveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");

// The service answers a look-up at once; an unmount first writes what the
// system still caches for the stick, which on a slow stick takes a while.
constexpr int lookUpTimeoutMs = 10'000;
constexpr int stepTimeoutMs = 120'000;

using Interfaces = QMap<QString, QVariantMap>; // interface: its properties

// Every object of the service with its interfaces; none when the call fails.
QMap<QString, Interfaces> managedObjects()
{
    const QDBusMessage reply = QDBusConnection::systemBus().call(
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/UDisks2"),
                                       QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                       QStringLiteral("GetManagedObjects")),
        QDBus::Block, lookUpTimeoutMs);
    QMap<QString, Interfaces> objects;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1 ||
        !reply.arguments().first().canConvert<QDBusArgument>()) {
        qCDebug(lcEject) << "no disk service:" << reply.errorMessage();
        return objects;
    }
    // a{oa{sa{sv}}}
    const auto argument = reply.arguments().first().value<QDBusArgument>();
    argument.beginMap();
    while (!argument.atEnd()) {
        QDBusObjectPath path;
        Interfaces interfaces;
        argument.beginMapEntry();
        argument >> path >> interfaces;
        argument.endMapEntry();
        objects.insert(path.path(), interfaces);
    }
    argument.endMap();
    return objects;
}

// MountPoints (aay): each a path's bytes ending in a NUL.
QStringList mountPoints(const QVariant &value)
{
    QList<QByteArray> points;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> points;
    QStringList paths;
    for (QByteArray point : points) {
        if (point.endsWith('\0'))
            point.chop(1);
        paths.append(QFile::decodeName(point));
    }
    return paths;
}

class UDisks2 final : public drives::DiskService
{
public:
    QList<drives::ManagedVolume> volumes() override
    {
        const QMap<QString, Interfaces> objects = managedObjects();
        QList<drives::ManagedVolume> found;
        for (auto object = objects.cbegin(); object != objects.cend(); ++object) {
            const Interfaces &interfaces = object.value();
            if (!object.key().startsWith(blockDevices) || !interfaces.contains(filesystemInterface))
                continue;
            const QVariantMap block = interfaces.value(blockInterface);
            drives::ManagedVolume volume;
            volume.object = object.key();
            volume.mountPoints = mountPoints(
                interfaces.value(filesystemInterface).value(QStringLiteral("MountPoints")));
            // A block that does not say is taken for a system disk's.
            volume.systemDevice = block.value(QStringLiteral("HintSystem"), true).toBool();
            volume.loop = interfaces.contains(loopInterface);
            const QString drive =
                block.value(QStringLiteral("Drive")).value<QDBusObjectPath>().path();
            if (const auto driveObject = objects.find(drive);
                drive != QLatin1String("/") && driveObject != objects.cend()) {
                const QVariantMap properties = driveObject->value(driveInterface);
                volume.drive = drive;
                volume.canPowerOff = properties.value(QStringLiteral("CanPowerOff")).toBool();
                volume.ejectable = properties.value(QStringLiteral("Ejectable")).toBool();
            }
            qCDebug(lcEject) << "volume" << volume.object << volume.mountPoints << "system"
                             << volume.systemDevice << "loop" << volume.loop << "drive"
                             << volume.drive << "power off" << volume.canPowerOff << "ejectable"
                             << volume.ejectable;
            found.append(volume);
        }
        return found;
    }

    Status take(drives::EjectStep step, const drives::ManagedVolume &volume) override
    {
        const bool unmount = step == drives::EjectStep::Unmount;
        const QString object = unmount ? volume.object : volume.drive;
        const QString method = unmount                               ? QStringLiteral("Unmount")
                               : step == drives::EjectStep::PowerOff ? QStringLiteral("PowerOff")
                                                                     : QStringLiteral("Eject");
        QDBusMessage call = QDBusMessage::createMethodCall(
            service, object, unmount ? filesystemInterface : driveInterface, method);
        call << QVariantMap(); // no options
        const QDBusMessage reply =
            QDBusConnection::systemBus().call(call, QDBus::Block, stepTimeoutMs);
        qCDebug(lcEject) << method << object << reply.errorName() << reply.errorMessage();
        if (reply.type() == QDBusMessage::ReplyMessage)
            return {};
        return Status::refusal({}, reply.errorMessage().isEmpty()
                                       ? QCoreApplication::translate(
                                             "EjectMessages", "the disk service did not answer")
                                       : reply.errorMessage());
    }
};

} // namespace

std::unique_ptr<drives::DiskService> machineDiskService()
{
    requireMachineAccess("the system's disk service");
    return std::make_unique<UDisks2>();
}

} // namespace orvex
