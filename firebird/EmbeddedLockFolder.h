#pragma once

#include <QString>

namespace brovik::data {

// The folder where this process's embedded engine keeps its lock files. The shared one
// (/tmp/firebird) belongs to the firebird group, so a normal user's embedded attach fails
// there; such a process gets a folder of its own instead, through FIREBIRD_LOCK, which the
// engine reads once, when the client library first loads its configuration.
//
// A folder of one's own is safe only while the engine opens every database file
// exclusively (ServerMode Super, the default): an engine that shares files between
// processes (SuperClassic, Classic) would then coordinate through folders that differ,
// so under those modes embedded attaches are refused instead.
class EmbeddedLockFolder {
public:
    static constexpr const char* kShared = "/tmp/firebird";

    // Once per process, before its first embedded attach.
    static void prepare();
    // The folder in use: FIREBIRD_LOCK or the shared one.
    static QString current();
    // Why embedded attaches must not go ahead; empty when they may.
    static const QString& refusal();

    // The pieces of prepare(), for tests.
    static bool usable(const QString& folder);
    // Creates (or reuses) a folder only this user may enter; empty when the place is
    // taken by something else (another owner, wider permissions, a link).
    static QString makePrivate(const QString& path);
    // $XDG_RUNTIME_DIR/firebird, else /tmp/firebird-<uid>.
    static QString privateCandidate(const QString& runtimeDir, unsigned uid);
    static bool sharesFilesBetweenProcesses(const QString& serverMode);
};

}  // namespace brovik::data
