#include "test_user.hpp"

#include <pwd.h>
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <stdexcept>

namespace vorn::testing {
namespace {

constexpr const char* kUnprivilegedUser = "nobody";

}  // namespace

QString installedProgram(const QString& name) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        throw std::runtime_error(name.toStdString() + " is not installed: scripts/install-deps.sh wayland installs it");
    }
    return path;
}

TestUser::TestUser() : switches_(geteuid() == 0) {
    const passwd* entry = switches_ ? getpwnam(kUnprivilegedUser) : getpwuid(geteuid());
    if (entry == nullptr) {
        throw std::runtime_error(switches_ ? "there is no user nobody to run sway as (sway refuses to run as root)"
                                           : "this process's user has no entry in the user database");
    }
    name_ = QString::fromLocal8Bit(entry->pw_name);
    uid_ = entry->pw_uid;
    gid_ = entry->pw_gid;
}

QStringList TestUser::commandFor(const QStringList& command) const {
    QStringList resolved = command;
    resolved.first() = installedProgram(command.first());
    if (!switches_) return resolved;
    return QStringList{installedProgram("setpriv"), QString("--reuid=%1").arg(uid_), QString("--regid=%1").arg(gid_), "--clear-groups",
                       "--"} +
           resolved;
}

void TestUser::requireCanRun(const QString& path) const {
    const QStringList check = commandFor({"test", "-x", path});
    if (QProcess::execute(check.first(), check.mid(1)) != 0) {
        throw std::runtime_error(("the user " + name_ + ", who runs sway and the program in these tests, cannot run " +
                                  path + ": every folder above it must be open to others (chmod o+rx)")
                                     .toStdString());
    }
}

}  // namespace vorn::testing
