// A child process plays record operations on a base of 2,000 records and is killed with
// SIGKILL at random points; after every kill the data file and its backup must hold what
// the operations finished, or, for the operation cut short, a state it may pass through
// without losing or inventing a record. The same for writes that fail with a full disk.
#include "base_check.h"
#include "crash_script.h"
#include "script_player.h"

#include "app/main_window.h"
#include "platform/message_box_recorder.h"
#include "store/write_fault.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using namespace crash_script;

constexpr int kBaseSize = 2000;
constexpr uint32_t kSeed = 20261208;
constexpr int kKills = 200;
// A kill lands anywhere in the first this many microseconds after the window is open:
// several operations long, so the script moves on and kills fall in every kind of
// operation. Everything runs some times slower under the sanitizers.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kLatestKillMicroseconds = 200000;
#else
constexpr int kLatestKillMicroseconds = 60000;
#endif

Model startingModel() {
    Model model;
    for (int serial = 0; serial < kBaseSize; ++serial)
        model.base.append(versionName(serial));
    return model;
}

// The base folder as the test sets it up and reads it back.
struct Base {
    TestFolder folder;
    QString data() const { return folder.filePath("Baza.dat"); }
    QString backup() const { return folder.filePath("Копия/Baza.dat"); }

    void lay(const Model& model) const {
        folder.writeBytes("Baza.dat", fileBytes(model.base));
        QDir(folder.path()).mkpath("Копия");
        if (model.backup)
            folder.writeBytes("Копия/Baza.dat", fileBytes(*model.backup));
        else
            QFile::remove(backup());
    }
    std::optional<QByteArray> backupBytes() const {
        if (!QFile::exists(backup()))
            return std::nullopt;
        return folder.readBytes("Копия/Baza.dat");
    }
};

struct Journal {
    QList<qsizetype> finished;
    std::optional<qsizetype> underWay;
};

Journal readJournal(const QString& path) {
    QFile file(path);
    Journal journal;
    if (!file.open(QIODevice::ReadOnly))
        return journal;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.size() < 2)
            continue; // the kill may cut the last line short
        const qsizetype op = line.mid(1).toLongLong();
        if (line[0] == 'B') {
            journal.underWay = op;
        } else if (line[0] == 'E') {
            journal.finished.append(op);
            journal.underWay.reset();
        }
    }
    return journal;
}

// Starts the child on the script from operation `first`; returns its pid once its
// window is open, or -1.
pid_t startChild(const Base& base, const QString& script, qsizetype first, const QString& journal) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ready[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    const QByteArray program = KALMO_CRASH_CHILD;
    const QByteArray folder = base.folder.path().toLocal8Bit();
    const QByteArray scriptPath = script.toLocal8Bit();
    const QByteArray firstOp = QByteArray::number(first);
    const QByteArray journalPath = journal.toLocal8Bit();
    char* argv[] = {
        const_cast<char*>(program.constData()),     const_cast<char*>(folder.constData()),
        const_cast<char*>(scriptPath.constData()),  const_cast<char*>(firstOp.constData()),
        const_cast<char*>(journalPath.constData()), nullptr};
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ready[1]);
    char byte = 0;
    const bool opened = spawned == 0 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    if (spawned != 0)
        return -1;
    if (!opened) {
        ::waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

void writeScript(const QString& path, const QList<Op>& ops) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(toText(ops)), toText(ops).size());
}

} // namespace

TEST(CrashConsistency, KilledAtRandomPointsTheBaseKeepsEveryRecordAndInventsNone) {
    Base base;
    const QString script = base.folder.filePath("script.txt");
    const QString journalPath = base.folder.filePath("journal.txt");
    Model model = startingModel();
    Generator generator(kSeed, model, kBaseSize);
    QList<Op> ops = generator.next(400);
    writeScript(script, ops);
    std::mt19937 random(kSeed);

    qsizetype next = 0;
    int killsInsideOperations = 0;
    std::map<char, int> killsByKind;
    int checks = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        if (ops.size() - next < 100) {
            ops += generator.next(400);
            writeScript(script, ops);
        }
        base.lay(model);
        QFile::remove(journalPath);
        const pid_t child = startChild(base, script, next, journalPath);
        ASSERT_GT(child, 0) << "the child did not open its window";
        std::this_thread::sleep_for(
            std::chrono::microseconds(random() % uint32_t(kLatestKillMicroseconds)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) != 0)
            << "the child failed an operation (see its message above)";

        const Journal journal = readJournal(journalPath);
        for (const qsizetype op : journal.finished) {
            ASSERT_EQ(op, next) << "the journal skips an operation";
            apply(ops[op], model);
            ++next;
        }
        const Op* underWay = nullptr;
        if (journal.underWay) {
            ASSERT_EQ(*journal.underWay, next);
            underWay = &ops[next];
            ++killsInsideOperations;
            ++killsByKind[char(underWay->kind)];
        }
        const QStringList broken =
            violations(base.folder.readBytes("Baza.dat"), base.backupBytes(), model, underWay);
        ++checks;
        ASSERT_TRUE(broken.isEmpty())
            << "kill " << kill << " during operation " << next << " ("
            << (underWay ? char(underWay->kind) : '-') << "): " << broken.join("; ").toStdString();
    }
    QStringList byKind;
    for (const auto& [kind, kills] : killsByKind)
        byKind << QStringLiteral("%1 %2").arg(QChar(kind)).arg(kills);
    std::printf("crash consistency: %d kills (%d inside an operation: %s), %d checks of the base, "
                "%lld operations finished\n",
                kKills, killsInsideOperations, qPrintable(byKind.join(", ")), checks,
                static_cast<long long>(next));
    // The operations that move records must each have been cut short.
    for (const Kind kind : {Kind::New, Kind::Change, Kind::Delete})
        EXPECT_GT(killsByKind[char(kind)], 0) << "no kill during " << char(kind);
}

TEST(CrashConsistency, AFullDiskAtAnyWriteOfAnOperationLosesAndInventsNoRecord) {
    Base base;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, base.folder.path());
    Model model = startingModel();
    model.backup = model.base.mid(0, 1500);
    const QList<Op> ops = {
        {Kind::New, {}, versionName(9000)},
        {Kind::Change, versionName(700), versionName(9001)},
        {Kind::Change, versionName(1999), versionName(9002)},
        {Kind::Delete, versionName(3), {}},
        {Kind::Delete, versionName(9000), {}},
        {Kind::Backup, {}, {}},
        {Kind::Clear, {}, {}},
        {Kind::Restore, {}, {}},
    };
    int failures = 0;
    int checks = 0;
    for (const Op& op : ops) {
        for (int n = 1;; ++n) {
            base.lay(model);
            platform::MessageBoxRecorder boxes;
            TForm1 window;
            store::failNthWrite(n, ENOSPC);
            play(window, boxes, op);
            const bool failed = !store::writeFaultArmed();
            store::failNthWrite(0, 0);
            const QStringList broken =
                violations(base.folder.readBytes("Baza.dat"), base.backupBytes(), model, &op);
            ++checks;
            ASSERT_TRUE(broken.isEmpty()) << "operation " << char(op.kind) << ", write " << n
                                          << " failed: " << broken.join("; ").toStdString();
            if (!failed) {
                // Past its last write the operation must have gone through whole.
                Model after = model;
                apply(op, after);
                EXPECT_EQ(base.folder.readBytes("Baza.dat"), fileBytes(after.base))
                    << char(op.kind);
                break;
            }
            ++failures;
            const QStringList errors = boxes.texts(platform::ShownBox::Error);
            // A failed write is reported: in the error box, or for a backup in its message.
            EXPECT_TRUE(errors.contains("Disk full") || !boxes.boxes.isEmpty())
                << char(op.kind) << " write " << n << " failed without a word";
        }
        apply(op, model);
    }
    std::printf("full disk: %d failed writes, %d checks of the base\n", failures, checks);
    EXPECT_GE(failures, int(ops.size()));
}
