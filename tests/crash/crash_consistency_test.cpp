// A child process plays record operations on a base of 2,000 records and is killed with
// SIGKILL at random points; when the program starts again after every kill, the data file
// and its backup must hold what the operations finished and, for the operation cut
// short, exactly what it found or exactly what it leaves. The same for writes that fail
// with a full disk.
#include "base_check.h"
#include "child_process.h"
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
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

} // namespace

TEST(CrashConsistency, KilledAtRandomPointsTheBaseIsExactlyBeforeOrAfterTheOperation) {
    Base base;
    const QString script = base.folder.filePath("script.txt");
    const QString journalPath = base.folder.filePath("journal.txt");
    Model model = startingModel();
    Generator generator(kSeed, model, kBaseSize);
    QList<Op> ops = generator.next(400);
    ASSERT_TRUE(writeScript(script, ops));
    std::mt19937 random(kSeed);

    qsizetype next = 0;
    int killsInsideOperations = 0;
    std::map<char, int> killsByKind;
    std::map<char, std::map<QString, int>> statesByKind;
    int checks = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        if (ops.size() - next < 100) {
            ops += generator.next(400);
            ASSERT_TRUE(writeScript(script, ops));
        }
        base.lay(model);
        QFile::remove(journalPath);
        const pid_t child = startChild(base, script, next, journalPath);
        ASSERT_GT(child, 0) << "the child did not open its window";
        std::this_thread::sleep_for(
            std::chrono::microseconds(random() % uint32_t(kLatestKillMicroseconds)));
        ::kill(child, SIGKILL);
        ASSERT_TRUE(waitForChild(child)) << "the child failed an operation (see its message above)";

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
        ASSERT_EQ(startProgramOn(base), QStringList());
        const QByteArray data = base.folder.readBytes("Baza.dat");
        const QStringList broken = violations(data, base.backupBytes(), model, underWay);
        if (underWay && broken.isEmpty()) {
            Model after = model;
            apply(*underWay, after);
            ++statesByKind[char(underWay->kind)]
                          [stateOf(data, fileBytes(model.base), fileBytes(after.base))];
        }
        ++checks;
        ASSERT_TRUE(broken.isEmpty())
            << "kill " << kill << " during operation " << next << " ("
            << (underWay ? char(underWay->kind) : '-') << "): " << broken.join("; ").toStdString();
    }
    QStringList byKind;
    for (const auto& [kind, kills] : killsByKind) {
        byKind << QStringLiteral("%1 %2 (before %3, after %4)")
                      .arg(QChar(kind))
                      .arg(kills)
                      .arg(statesByKind[kind]["before"])
                      .arg(statesByKind[kind]["after"]);
    }
    std::printf("crash consistency: %d kills (%d inside an operation: %s), %d checks of the base, "
                "%lld operations finished\n",
                kKills, killsInsideOperations, qPrintable(byKind.join(", ")), checks,
                static_cast<long long>(next));
    // The operations that move records must each have been cut short.
    for (const Kind kind : {Kind::New, Kind::Change, Kind::Delete})
        EXPECT_GT(killsByKind[char(kind)], 0) << "no kill during " << char(kind);
}

TEST(CrashConsistency, AFullDiskAtAnyWriteOfAnOperationLeavesTheBaseBeforeOrAfterIt) {
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
            // A failed operation is undone whole: it is reported, so nothing of it stays.
            EXPECT_TRUE(base.folder.readBytes("Baza.dat") == fileBytes(model.base))
                << char(op.kind) << " write " << n;
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
