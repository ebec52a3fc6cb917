#include "PortDiagnosis.h"

#include "PortList.h"

#include <QDir>

#include <string>
#include <vector>

#if !defined(Q_OS_WIN)
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#endif

namespace ign {

namespace {

#if !defined(Q_OS_WIN)

// As the serial port class does: a bare name is a device under /dev.
QByteArray DevicePath(const QString& portName) {
    const QString path = QDir::isAbsolutePath(portName) || portName.startsWith(QLatin1String("./")) ||
                                 portName.startsWith(QLatin1String("../"))
                             ? portName
                             : QStringLiteral("/dev/") + portName;
    return path.toLocal8Bit();
}

bool Holds(const std::vector<gid_t>& groups, gid_t group) {
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

std::vector<gid_t> SessionGroups() {
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (count > 0 && ::getgroups(count, groups.data()) < 0) groups.clear();
    groups.push_back(::getegid());
    return groups;
}

std::vector<gid_t> AccountGroups(const char* user, gid_t primary) {
    int count = 32;
    std::vector<gid_t> groups;
    // The list grows until it holds them all; getgrouplist says how many it needs.
    for (int tries = 0; tries < 4; ++tries) {
        groups.resize(static_cast<std::size_t>(count));
        if (::getgrouplist(user, primary, groups.data(), &count) >= 0) {
            groups.resize(static_cast<std::size_t>(count));
            return groups;
        }
    }
    return {primary};
}

void AddGroupFacts(PortFacts& facts, gid_t owner) {
    const passwd* account = ::getpwuid(::geteuid());
    if (account == nullptr) return;
    facts.user = account->pw_name;
    const gid_t primary = account->pw_gid;
    const group* entry = ::getgrgid(owner);
    facts.group = entry != nullptr ? std::string(entry->gr_name) : std::to_string(owner);
    facts.groupInAccount = Holds(AccountGroups(facts.user.c_str(), primary), owner);
    facts.groupInSession = Holds(SessionGroups(), owner);
}

#endif

}  // namespace

PortFacts DiagnoseOpenFailure(const QString& portName, QSerialPort::SerialPortError error,
                              const QString& errorText) {
    PortFacts facts;
    facts.port = portName.toStdString();
    facts.systemText = errorText.toStdString();
#if defined(Q_OS_WIN)
    // Windows refuses a port that another program holds with "access denied".
    facts.exists = error != QSerialPort::DeviceNotFoundError;
    facts.heldElsewhere = error == QSerialPort::PermissionError;
#else
    const QByteArray path = DevicePath(portName);
    struct stat status {};
    const int statError = ::stat(path.constData(), &status) == 0 ? 0 : errno;
    facts.exists = error != QSerialPort::DeviceNotFoundError && statError != ENOENT && statError != ENOTDIR;
    if (facts.exists) {
        const int accessError = statError != 0 ? statError
                                : ::faccessat(AT_FDCWD, path.constData(), R_OK | W_OK, AT_EACCESS) == 0
                                    ? 0
                                    : errno;
        facts.accessDenied = accessError == EACCES || accessError == EPERM;
        if (facts.accessDenied && statError == 0) AddGroupFacts(facts, status.st_gid);
        // The serial port class reports its own lock file held by another
        // program, and a device opened exclusively, as a permission error;
        // the user's rights are fine by now, so someone else holds the port.
        facts.heldElsewhere = !facts.accessDenied && error == QSerialPort::PermissionError;
    }
#endif
    return facts;
}

void ListPresentPorts(PortFacts& facts) {
    if (ClassifyPortFailure(facts) != PortFailure::Missing) return;
    std::vector<std::string> names;
    for (const PortDescription& port : SystemPorts()) {
        QString name = port.device;
        if (!port.description.isEmpty()) name += QStringLiteral(" (%1)").arg(port.description);
        names.push_back(name.toStdString());
    }
    facts.present = std::move(names);
}

}  // namespace ign
