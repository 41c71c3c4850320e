#pragma once

#include <QString>
#include <QStringList>

namespace vorn::testing {

// sway refuses to run as root, and the suite runs as root in CI and in
// fresh root file systems: there sway and the program under it run as the
// unprivileged user nobody, elsewhere as the user running the suite.
// The absolute path of the program `name` on PATH; throws, naming the
// package group that installs it, when it is not there.
QString installedProgram(const QString& name);

class TestUser {
public:
    TestUser();

    const QString& name() const { return name_; }
    uint uid() const { return uid_; }
    uint gid() const { return gid_; }
    // The program and arguments that run `command` as this user.
    QStringList commandFor(const QStringList& command) const;
    // Throws, naming the file and what to do, unless this user can run the
    // program at `path`: a build folder under a private home is out of its
    // reach, and every start would fail with a less helpful message.
    void requireCanRun(const QString& path) const;

private:
    bool switches_ = false;
    QString name_;
    uint uid_ = 0;
    uint gid_ = 0;
};

}  // namespace vorn::testing
