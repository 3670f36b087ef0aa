#include "change_interrupter.h"

#include "store/file_changes.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <algorithm>
#include <csignal>
#include <map>
#include <optional>
#include <unistd.h>

namespace change_interrupter {
namespace {

int64_t g_seen = 0;
QByteArray g_made;

// One letter per kind of change, and for a write the sectors it spans.
QByteArray describe(const store::FileChange& change) {
    constexpr int64_t kSector = 512;
    static const char kLetters[] = "cwtsrxf";
    QByteArray text(1, kLetters[int(change.kind)]);
    if (change.kind == store::FileChangeKind::Write) {
        const int64_t end = change.offset + int64_t(change.bytes.size());
        text += QByteArray::number((end + kSector - 1) / kSector - change.offset / kSector);
    }
    return text;
}

std::optional<QByteArray> contentOf(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isSymLink() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

void putBack(const QString& path, const std::optional<QByteArray>& content) {
    QFile::remove(path);
    if (!content)
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(*content);
}

// What the disk would hold after a power cut: a file's content as at its last flush, and
// a folder's names as at its last flush.
class UnflushedChanges {
public:
    void before(const store::FileChange& change) {
        using Kind = store::FileChangeKind;
        switch (change.kind) {
        case Kind::Write:
        case Kind::Truncate:
            m_files.try_emplace(change.path, contentOf(change.path));
            break;
        case Kind::Sync:
            m_files.erase(change.path);
            break;
        case Kind::Create:
            // A temporary copy's name is not known yet; what is left of it goes at start.
            if (!change.path.contains("XXXXXX"))
                m_names.append({change.path, std::nullopt, {}});
            break;
        case Kind::Remove:
            m_names.append({change.path, contentOf(change.path), {}});
            break;
        case Kind::Rename:
            m_names.append(
                {change.target, contentOf(change.target), {{change.path, contentOf(change.path)}}});
            break;
        case Kind::SyncFolder:
            m_names.removeIf([&](const Name& name) {
                return QFileInfo(name.path).absolutePath() == QDir(change.path).absolutePath();
            });
            break;
        }
    }

    void loseThem() {
        for (const auto& [path, content] : m_files) {
            if (QFile::exists(path))
                putBack(path, content);
        }
        for (auto name = m_names.rbegin(); name != m_names.rend(); ++name) {
            putBack(name->path, name->content);
            for (const auto& [source, content] : name->renamedFrom)
                putBack(source, content);
        }
    }

private:
    struct Name {
        QString path;
        std::optional<QByteArray> content; // before the change; none: it did not exist
        std::map<QString, std::optional<QByteArray>> renamedFrom;
    };
    std::map<QString, std::optional<QByteArray>> m_files;
    QList<Name> m_names;
};

void tearAndKill(const store::FileChange& change, int sectors) {
    constexpr int64_t kSector = 512;
    const int64_t end = change.offset + int64_t(change.bytes.size());
    const int64_t boundary = (change.offset / kSector + sectors) * kSector;
    const int64_t landed = std::min(end, boundary) - change.offset;
    if (landed > 0 && ::pwrite(change.fd, change.bytes.data(), size_t(landed), change.offset) < 0)
        ::_exit(4);
    ::raise(SIGKILL);
}

} // namespace

Plan planFromEnvironment() {
    Plan plan;
    plan.stopAt = qEnvironmentVariableIntValue("KALMO_STOP_AT");
    const QByteArray mode = qgetenv("KALMO_STOP_MODE");
    if (mode == "power")
        plan.mode = Mode::PowerCut;
    if (mode.startsWith("tear:")) {
        plan.mode = Mode::Tear;
        plan.tornSectors = mode.mid(5).toInt();
    }
    return plan;
}

void install(const Plan& plan) {
    auto unflushed = std::make_shared<UnflushedChanges>();
    store::setFileChangeHook([plan, unflushed](const store::FileChange& change) {
        ++g_seen;
        g_made += (g_made.isEmpty() ? "" : ",") + describe(change);
        if (g_seen == plan.stopAt) {
            if (plan.mode == Mode::PowerCut)
                unflushed->loseThem();
            if (plan.mode == Mode::Tear && change.kind == store::FileChangeKind::Write)
                tearAndKill(change, plan.tornSectors);
            ::raise(SIGKILL);
        }
        if (plan.mode == Mode::PowerCut)
            unflushed->before(change);
        return 0;
    });
}

int64_t changesSeen() {
    return g_seen;
}

QByteArray changesMade() {
    return g_made;
}

} // namespace change_interrupter
