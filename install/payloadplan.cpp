#include "install/payloadplan.h"

#include "install/fatnames.h"

#include <QCoreApplication>
#include <QFile>

namespace orvex {

namespace {

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    return folder.isEmpty() ? name : folder + '/' + name;
}

// A name is kept as text in messages and on the stick: its bytes must read
// back unchanged through the system's encoding.
bool isValidText(const QByteArray &name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

// What keeps one entry off the stick; empty when nothing does.
Result<QString> problemWith(const stick::Folder &folder, const QByteArray &name,
                            const stick::Entry &entry, PayloadPlan &plan,
                            const QByteArray &relative)
{
    if (!isValidText(name))
        return QCoreApplication::translate("InstallMessages", "the name is not valid text");
    if (const Status held = fatnames::check(QFile::decodeName(name)); !held.ok())
        return held.failure().why();
    stick::Entry target = entry;
    if (entry.kind == stick::EntryKind::Link) {
        const Result<stick::Entry> followed = folder.entry(name, true);
        if (!followed.ok())
            return followed.status();
        if (followed->kind == stick::EntryKind::Folder)
            return QCoreApplication::translate("InstallMessages",
                                               "links to folders are not copied");
        if (followed->kind == stick::EntryKind::Missing)
            return QCoreApplication::translate("InstallMessages", "is a link to nothing");
        target = followed.value();
    }
    switch (target.kind) {
    case stick::EntryKind::Folder:
        plan.folders.append(relative);
        return QString();
    case stick::EntryKind::RegularFile:
        if (target.size > fatnames::largestFile)
            return QCoreApplication::translate(
                "InstallMessages", "is 4 GiB or larger; the stick holds files of up to 4 GiB "
                                   "less one byte");
        plan.files.append({relative, target.size});
        plan.totalBytes += target.size;
        return QString();
    default:
        return QCoreApplication::translate("InstallMessages", "not a regular file or folder");
    }
}

} // namespace

Result<PayloadPlan> planPayload(const stick::Folder &source)
{
    PayloadPlan plan;
    // Folders are read in the order found, parents first, each opened from the
    // top so that only two are open at once, however deep the tree.
    QList<QByteArray> toRead = {{}};
    for (qsizetype next = 0; next < toRead.size(); ++next) {
        const QByteArray relative = toRead[next];
        auto folder = source.openPath(relative);
        if (!folder.ok())
            return folder.status();
        const Result<QList<QByteArray>> names = folder.value()->names();
        if (!names.ok())
            return names.status();
        QStringList texts;
        for (const QByteArray &name : names.value()) {
            const QByteArray child = joined(relative, name);
            const Result<stick::Entry> entry = folder.value()->entry(name);
            if (!entry.ok())
                return entry.status();
            const qsizetype foldersBefore = plan.folders.size();
            const Result<QString> problem =
                problemWith(*folder.value(), name, entry.value(), plan, child);
            if (!problem.ok())
                return problem.status();
            if (!problem.value().isEmpty())
                plan.problems.append(source.pathOf(child) + QStringLiteral(": ") + problem.value());
            if (plan.folders.size() > foldersBefore)
                toRead.append(child);
            texts.append(QFile::decodeName(name));
        }
        for (const QStringList &group : fatnames::caseCollisions(texts)) {
            QStringList paths;
            for (const QString &name : group)
                paths.append(source.pathOf(joined(relative, QFile::encodeName(name))));
            plan.problems.append(
                paths.join(QCoreApplication::translate("InstallMessages", " and ")) +
                QCoreApplication::translate("InstallMessages",
                                            ": the stick takes these names for one, since "
                                            "it ignores case"));
        }
    }
    return plan;
}

} // namespace orvex
