// Every operation that changes the base, stopped at every single file change it makes:
// killed just before the change, cut by a power cut there (every change not yet flushed
// is lost), or killed in the middle of a write that reaches the disk only up to a 512-byte
// sector boundary. The child process plays the operation; when the program starts again,
// the base, its backup and the photos must be exactly as before the operation or exactly
// as after it. Then the same with an I/O error injected at every change, in process.
//
// KALMO_KILL_POINTS_BASE sets the size of the base (default 8 records, a few sectors);
// scripts/crash-kill-points.sh runs it on larger bases.
#include "base_check.h"
#include "child_process.h"
#include "crash_script.h"
#include "script_player.h"

#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/base_folder.h"
#include "platform/message_box_recorder.h"
#include "store/file_changes.h"
#include "store/file_copy.h"
#include "store/rollback_journal.h"
#include "support/jpeg_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>

#include <cerrno>
#include <map>

namespace {

using namespace crash_script;

int baseSize() {
    const int size = qEnvironmentVariableIntValue("KALMO_KILL_POINTS_BASE");
    return size > 0 ? size : 8;
}

// The record the operations aim at, and the one other record with a photo.
int target() {
    return baseSize() / 2;
}

// Everything an operation may change, as found after the program started again.
struct Files {
    QByteArray data;
    std::optional<QByteArray> backup;
    std::map<QString, QByteArray> photos; // by file name
    QStringList leftovers;                // temporary files and journals still there

    bool operator==(const Files&) const = default;
};

class KillPoints : public ::testing::Test {
protected:
    KillPoints() {
        platform::BaseFolder::set(base.folder.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, base.folder.path());
        red = jpeg_fixture::writeFile(base.folder.filePath("red.jpg"), {30, 20}, Qt::red);
        blue = jpeg_fixture::writeFile(base.folder.filePath("new.jpg"), {20, 30}, Qt::blue);
    }

    QString photoOf(int k) const { return base.images() + '/' + versionName(k) + ".jpg"; }

    // The start of every run: the base with two photos, a backup of other records.
    void lay() const {
        QList<QString> names;
        QByteArray data;
        for (int k = 0; k < baseSize(); ++k) {
            store::ContactRecord record = recordNamed(versionName(k));
            if (k == target() || k == 0)
                record.store(store::ContactField::PhotoPath, photoOf(k));
            data.append(reinterpret_cast<const char*>(record.bytes().data()),
                        store::ContactRecord::kSize);
        }
        base.folder.writeBytes("Baza.dat", data);
        QDir(base.folder.path()).mkpath("Копия");
        base.folder.writeBytes("Копия/Baza.dat", fileBytes({versionName(500), versionName(501)}));
        QDir(base.images()).removeRecursively();
        QDir().mkpath(base.images());
        for (const int k : {0, target()})
            base.folder.writeBytes("images/" + versionName(k) + ".jpg", red);
        QFile::remove(journalFile());
    }

    QString journalFile() const { return base.folder.filePath("journal.txt"); }

    Files found() const {
        Files files{base.folder.readBytes("Baza.dat"), base.backupBytes(), {}, {}};
        for (const QString& name : QDir(base.images()).entryList(QDir::Files | QDir::Hidden))
            files.photos[name] = base.folder.readBytes("images/" + name);
        for (const QString& folder :
             {base.folder.path(), base.images(), base.folder.filePath("Копия")}) {
            const QStringList names = QDir(folder).entryList(
                {store::kTemporaryPrefix + '*', "*-journal"}, QDir::AllEntries | QDir::Hidden);
            for (const QString& name : names)
                files.leftovers << name;
        }
        return files;
    }

    // The photos the base names that were there before the operation or after it must
    // be there, whole, as they were before or after it.
    QStringList missingPhotos(const Files& files, const Files& before, const Files& after) const {
        QStringList missing;
        for (qsizetype at = 0; at + 511 <= files.data.size(); at += 511) {
            store::ContactRecord record;
            std::copy_n(files.data.constData() + at, 511, record.bytes().begin());
            const QString name = QFileInfo(record.field(store::ContactField::PhotoPath)).fileName();
            const auto was = before.photos.find(name);
            const auto will = after.photos.find(name);
            if (name.isEmpty() || (was == before.photos.end() && will == after.photos.end()))
                continue;
            const auto is = files.photos.find(name);
            if (is == files.photos.end() ||
                ((was == before.photos.end() || is->second != was->second) &&
                 (will == after.photos.end() || is->second != will->second)))
                missing << name;
        }
        return missing;
    }

    // "before" or "after" for the base and its backup, with a note when the photos are
    // those of the other side; empty when the files are neither, with the reason in `why`.
    QString stateOf(const Files& files, const Files& before, const Files& after,
                    QString& why) const {
        auto same = [&](const Files& side) {
            return files.data == side.data && files.backup == side.backup;
        };
        const QString side = same(before) ? "before" : same(after) ? "after" : QString();
        if (side.isEmpty())
            why = QStringLiteral("the base or its backup is neither as before nor as after");
        else if (!files.leftovers.isEmpty())
            why = "left behind: " + files.leftovers.join(", ");
        else if (const QStringList missing = missingPhotos(files, before, after);
                 !missing.isEmpty())
            why = "photos missing or broken: " + missing.join(", ");
        if (!why.isEmpty())
            return QString();
        const Files& expected = side == "before" ? before : after;
        return files.photos == expected.photos ? side : side + " (photo files of the other side)";
    }

    // Runs the operation in the child, stopped as `stop` says (empty: not at all).
    Journal runChild(const Op& op, const Environment& stop) {
        lay();
        const QString script = base.folder.filePath("script.txt");
        EXPECT_TRUE(writeScript(script, {op}));
        const pid_t child = startChild(base, script, 0, journalFile(), stop);
        EXPECT_GT(child, 0) << "the child did not open its window";
        if (child > 0) {
            EXPECT_TRUE(waitForChild(child)) << "the child failed the operation";
        }
        const Journal journal = readJournal(journalFile());
        EXPECT_TRUE(startProgramOn(base).isEmpty());
        return journal;
    }

    // The sector counts at which a write over `sectors` sectors is torn: all of them on
    // a small base, an even spread of six on a large one.
    static QList<int> tornSectors(int sectors) {
        QList<int> counts;
        const int steps = std::min(sectors - 1, 6);
        for (int k = 1; k <= steps; ++k)
            counts << (steps == sectors - 1 ? k : 1 + (k - 1) * (sectors - 2) / (steps - 1));
        return counts;
    }

    Base base;
    QByteArray red, blue;
};

struct Outcome {
    int killPoints = 0;
    int runs = 0;
    std::map<QString, int> states;
};

const QList<Op>& operations() {
    static const QList<Op> ops = [] {
        const QString aimed = versionName(target());
        return QList<Op>{
            {Kind::New, {}, versionName(9000)},
            {Kind::Change, aimed, versionName(9001)},
            {Kind::Delete, aimed, {}},
            {Kind::PhotoPathRefresh, aimed, {}},
            {Kind::PhotoReplace, aimed, {}}, // the picture is set by the test
            {Kind::PhotoRemove, aimed, {}},
            {Kind::Clear, {}, {}},
            {Kind::Restore, {}, {}},
            {Kind::Backup, {}, {}},
        };
    }();
    return ops;
}

TEST_F(KillPoints, AtEveryFileChangeOfEveryOperationTheBaseIsExactlyBeforeOrAfter) {
    lay();
    ASSERT_TRUE(startProgramOn(base).isEmpty());
    const Files before = found();
    std::map<char, Outcome> outcomes;
    for (Op op : operations()) {
        if (op.kind == Kind::PhotoReplace)
            op.written = base.folder.filePath("new.jpg");
        const Journal whole = runChild(op, {});
        ASSERT_EQ(whole.finished, QList<qsizetype>({0})) << char(op.kind);
        ASSERT_TRUE(whole.changes && *whole.changes > 0) << char(op.kind);
        const Files after = found();
        ASSERT_FALSE(after == before) << char(op.kind) << " changed nothing";
        EXPECT_TRUE(after.leftovers.isEmpty()) << after.leftovers.join(", ").toStdString();

        Outcome& outcome = outcomes[char(op.kind)];
        outcome.killPoints = int(*whole.changes);
        for (int point = 1; point <= *whole.changes; ++point) {
            const QByteArray at = "KALMO_STOP_AT=" + QByteArray::number(point);
            QList<QByteArray> modes = {"kill", "power"};
            const QByteArray& kind = whole.changeKinds.value(point - 1);
            if (kind.startsWith('w')) {
                for (const int sectors : tornSectors(kind.mid(1).toInt()))
                    modes << "tear:" + QByteArray::number(sectors);
            }
            for (const QByteArray& mode : modes) {
                const Journal stopped = runChild(op, {at, "KALMO_STOP_MODE=" + mode});
                ASSERT_TRUE(stopped.finished.isEmpty())
                    << char(op.kind) << " ran past change " << point;
                QString why;
                const QString state = stateOf(found(), before, after, why);
                ++outcome.runs;
                ++outcome.states[state.isEmpty() ? QStringLiteral("other") : state];
                EXPECT_FALSE(state.isEmpty())
                    << QStringLiteral("%1 stopped at change %2 (%3) by %4: %5")
                           .arg(QChar(char(op.kind)))
                           .arg(point)
                           .arg(QString(kind), QString(mode), why)
                           .toStdString();
            }
        }
    }
    for (const auto& [kind, outcome] : outcomes) {
        QStringList states;
        for (const auto& [state, count] : outcome.states)
            states << QStringLiteral("%1 %2").arg(state).arg(count);
        std::printf("kill points: %c on %d records: %d file changes, %d runs, states: %s\n", kind,
                    baseSize(), outcome.killPoints, outcome.runs, qPrintable(states.join(", ")));
        EXPECT_EQ(outcome.states.count("other"), 0u) << kind;
        // Both sides of the change must have been reached.
        EXPECT_GT(outcome.states.at("before"), 0) << kind;
    }
}

// An I/O error at any file change of an operation is reported and leaves everything
// exactly as before or exactly as after (the last flush of a folder, once the change is
// made, can only be reported).
TEST_F(KillPoints, AnIOErrorAtEveryFileChangeLeavesTheBaseBeforeOrAfter) {
    int errors = 0;
    std::map<QString, int> states;
    for (Op op : operations()) {
        if (op.kind == Kind::PhotoReplace)
            op.written = base.folder.filePath("new.jpg");
        lay();
        const Files before = found();
        std::optional<Files> after;
        for (int step = 0;; ++step) {
            lay();
            int seen = 0;
            platform::MessageBoxRecorder boxes;
            {
                TForm1 window;
                TForm3 imagesFolder;
                imagesFolder.ui.Edit1->setText(base.images());
                window.setImagesFolderDialog(&imagesFolder);
                store::setFileChangeHook(
                    [&](const store::FileChange&) { return ++seen == step ? EIO : 0; });
                play(window, boxes, op);
                store::setFileChangeHook({});
            }
            EXPECT_TRUE(startProgramOn(base).isEmpty());
            const Files files = found();
            if (step == 0) {
                after = files; // the operation without a failure
                continue;
            }
            if (seen < step)
                break;
            ++errors;
            QString why;
            const QString state = stateOf(files, before, *after, why);
            ++states[state.isEmpty() ? QStringLiteral("other") : state];
            EXPECT_FALSE(state.isEmpty())
                << char(op.kind) << ", error at change " << step << ": " << why.toStdString();
            EXPECT_FALSE(boxes.boxes.isEmpty())
                << char(op.kind) << ", error at change " << step << " said nothing";
        }
    }
    QStringList counts;
    for (const auto& [state, count] : states)
        counts << QStringLiteral("%1 %2").arg(state).arg(count);
    std::printf("I/O errors: %d injected, one at each file change of each operation: %s\n", errors,
                qPrintable(counts.join(", ")));
    EXPECT_EQ(states.count("other"), 0u);
    EXPECT_GT(errors, 40);
}

} // namespace
